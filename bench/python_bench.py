#!/usr/bin/env python3
"""Speed of the Python module: price_array over a generated table, on one
thread and on one thread per core (the GIL is released), with 50 tariffs read
from a file (the example's, repeated), and price() and price_many() on dicts,
for comparison. Times are CPU times of this process.

  cmake --preset release && cmake --build --preset release --target sazbar_python
  bench/python_bench.py [PROFILES] [--module DIR]   (default 500000, build/release/python)
"""
import argparse
import json
import os
import sys
import tempfile
import time
from concurrent.futures import ThreadPoolExecutor

import numpy as np

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))


def table(rows, seed=2000):
    """Varied profiles, as bench/batch_throughput.sh generates them: each count 0 a third of the time."""
    rng = np.random.default_rng(seed)
    highs = np.array([300] * 28 + [10] * 4 + [5000, 80000] + [60] * 12)
    counts = rng.integers(0, highs + 1, size=(rows, 46)).astype(np.int32)
    counts[rng.random(counts.shape) < 1 / 3] = 0
    return counts, rng.integers(0, 36, size=(rows, 4)).astype(np.int32)


def best(runs, f, clock=time.process_time):
    """The shortest of `runs` runs, by CPU time (the machine may be shared); wall time for threads."""
    times = []
    for _ in range(runs):
        start = clock()
        f()
        times.append(clock() - start)
    return min(times)


def data_tariffs(sazbar, count):
    """The tariffs of examples/tariffs/example.json repeated under ids of their own, `count` of them, alone."""
    with open(os.path.join(ROOT, "examples", "tariffs", "example.json"), encoding="utf-8") as f:
        example = json.load(f)
    tariffs = [dict(example["tariffs"][i % len(example["tariffs"])]) for i in range(count)]
    for i, t in enumerate(tariffs):
        t["id"] = "%s-%d" % (t["id"], i)
    with tempfile.NamedTemporaryFile("w", suffix=".json", delete=False) as f:
        json.dump({"format": example["format"], "tariffs": tariffs}, f)
    try:
        return sazbar.load_tariffs(f.name, builtin=False), sazbar.load_tariffs(f.name)
    finally:
        os.unlink(f.name)


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("profiles", type=int, nargs="?", default=500000)
    parser.add_argument("--module", default=os.path.join(ROOT, "build", "release", "python"))
    args = parser.parse_args()
    sys.path.insert(0, args.module)
    import sazbar

    n = args.profiles
    counts, countries = table(n)
    cores = len(os.sched_getaffinity(0))
    print("%d profiles, %d cores, module %s" % (n, cores, sazbar.__file__))

    s = best(3, lambda: sazbar.price_array(counts, countries=countries))
    print("price_array, one thread: %.3f s, %.0f profiles/s (%.2f us a profile)" % (s, n / s, 1e6 * s / n))

    parts = np.array_split(np.arange(n), cores)
    with ThreadPoolExecutor(cores) as pool:
        s = best(3, lambda: list(pool.map(lambda i: sazbar.price_array(counts[i], countries=countries[i]), parts)),
                 time.perf_counter)
    print("price_array, %d threads: %.3f s, %.0f profiles/s (wall time)" % (cores, s, n / s))

    alone, beside = data_tariffs(sazbar, 50)
    d = min(n, 20000)
    s = best(3, lambda: sazbar.price_array(counts[:d], countries=countries[:d], tariffs=alone))
    print("price_array, 50 data tariffs alone, one thread: %.0f profiles/s (%.2f us a profile)" % (d / s, 1e6 * s / d))
    s = best(3, lambda: sazbar.price_array(counts[:d], countries=countries[:d], tariffs=beside))
    print("price_array, 49 compiled and 50 data tariffs, one thread: %.0f profiles/s" % (d / s))

    m = min(n, 20000)
    dicts = [{"matrix": r[:28].reshape(4, 7).tolist(), "wap": r[28:32].tolist(), "gprs_wap_kb": int(r[32]),
              "gprs_internet_kb": int(r[33]),
              "international": [{"country": int(c[k]), "peak": int(r[34 + 3 * k]), "afternoon": int(r[35 + 3 * k]),
                                 "evening_weekend": int(r[36 + 3 * k])} for k in range(4)]}
             for r, c in zip(counts[:m], countries[:m])]
    s = best(3, lambda: [sazbar.price(d) for d in dicts])
    print("price, one dict at a time: %.0f profiles/s (%.1f us a profile)" % (m / s, 1e6 * s / m))
    s = best(3, lambda: sazbar.price_many(dicts))
    print("price_many: %.0f profiles/s" % (m / s))


if __name__ == "__main__":
    main()

#!/usr/bin/env python3
"""Prices many generated profiles with sazbar-cli and with the exact-fraction
reference (reference_prices.py) and reports every difference.

usage: compare_reference.py PATH/TO/sazbar-cli [COUNT] [SEED]
Exit status 0 when every price, hint and mark agrees, 1 otherwise.
"""
import json
import os
import random
import subprocess
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import reference_prices  # noqa: E402

# Values at and around the thresholds of the tariffs.
EDGES = [0, 1, 2, 3, 4, 9, 10, 11, 19, 20, 21, 29, 30, 31, 35, 36, 39, 40, 41, 49, 50, 51, 59, 60, 61, 64, 65, 66,
         70, 75, 76, 78, 79, 80, 81, 89, 90, 91, 99, 100, 101, 110, 119, 120, 121, 125, 126, 149, 150, 151, 159, 160,
         161, 170, 180, 181, 199, 200, 201, 249, 250, 251, 259, 260, 261, 299, 300, 301, 349, 350, 351, 400, 460,
         499, 500, 501, 599, 600, 601, 700, 800, 801, 999, 1000, 1001, 1060, 5000, 5001, 7999, 8000, 8001, 9999,
         10000, 10001, 19999, 20000, 20001, 39999, 40000, 40001, 49999, 50000, 50001, 69999, 70000, 70001]


def gen(rng):
    mode = rng.random()

    def q(scale):
        if mode < 0.35:
            return rng.choice(EDGES) if rng.random() < 0.5 else 0
        if mode < 0.7:
            return rng.randint(0, scale) if rng.random() < 0.6 else 0
        if mode < 0.8:
            return rng.randint(-20, scale) if rng.random() < 0.5 else 0
        return rng.choice([0, 0, 1, rng.randint(0, 10 * scale), rng.choice(EDGES)])

    matrix = [[q(120) for _ in range(7)] for _ in range(4)]
    if rng.random() < 0.3:  # messages-heavy
        for b in range(4):
            matrix[b][4] = rng.choice(EDGES + [rng.randint(0, 12000)])
    prof = {"matrix": matrix, "wap": [q(50) if rng.random() < 0.4 else 0 for _ in range(4)],
            "gprs_wap_kb": q(6000) if rng.random() < 0.5 else 0,
            "gprs_internet_kb": q(80000) if rng.random() < 0.5 else 0,
            "international": [{"country": rng.randint(0, 35), "peak": q(40) if rng.random() < 0.4 else 0,
                               "afternoon": q(40) if rng.random() < 0.3 else 0,
                               "evening_weekend": q(40) if rng.random() < 0.3 else 0} for _ in range(4)],
            "internet_calls": rng.random() < 0.3, "direct_debit": rng.random() < 0.5, "fixed_line": rng.random() < 0.5}
    return prof


def has_negative(prof):
    counts = [v for row in prof["matrix"] for v in row] + prof["wap"] + [prof["gprs_wap_kb"], prof["gprs_internet_kb"]]
    counts += [r[k] for r in prof["international"] for k in ("peak", "afternoon", "evening_weekend")]
    return any(v < 0 for v in counts)


def main():
    cli = sys.argv[1]
    count = int(sys.argv[2]) if len(sys.argv) > 2 else 2000
    rng = random.Random(int(sys.argv[3]) if len(sys.argv) > 3 else 2000)
    profiles = [gen(rng) for _ in range(count)]
    inp = "".join(json.dumps(p) + "\n" for p in profiles)
    run = subprocess.run([cli, "--batch", "-"], input=inp.encode(), capture_output=True, check=False)
    lines = run.stdout.decode().splitlines()
    if len(lines) != count:
        print("expected %d result lines, got %d; stderr: %s" % (count, len(lines), run.stderr.decode()[:500]))
        return 1
    bad = 0
    for n, (prof, line) in enumerate(zip(profiles, lines)):
        got = json.loads(line)
        if has_negative(prof):
            # A negative count is refused, never priced.
            if "negative: expected 0 or more" not in got.get("error", ""):
                bad += 1
                print("profile %d has a negative count but was not refused: %s" % (n, line[:200]))
            continue
        if "error" in got:
            bad += 1
            print("profile %d refused: %s" % (n, got["error"][:200]))
            continue
        want = reference_prices.price_all(prof)["results"]
        for r in got["results"]:
            w = want[r["id"]]
            diffs = [k for k in ("price", "hint", "unsupported", "cheapest") if r[k] != w[k]]
            if diffs:
                bad += 1
                if bad <= 15:
                    print("profile %d %s: %s" % (n, r["id"], ", ".join("%s engine=%r reference=%r" % (k, r[k], w[k]) for k in diffs)))
                    if bad == 1:
                        print("  profile:", json.dumps(prof))
    print("%d profiles, %d differing fields" % (count, bad))
    return 1 if bad else 0


if __name__ == "__main__":
    sys.exit(main())

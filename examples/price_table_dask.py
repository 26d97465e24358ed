#!/usr/bin/env python3
"""Prices a large table of usage profiles with Dask: worker processes on this
machine, or the workers of a Dask cluster.

A table has one profile per row: an "id" column, the 46 count columns of
sazbar.COLUMNS and the countries of the four international rows
(intl0_country .. intl3_country, indexes into sazbar.COUNTRIES). It is CSV, or
Parquet when the name ends in .parquet (needs pyarrow).

  price_table_dask.py generate ROWS TABLE.csv [--seed N]
      writes a table of ROWS generated profiles
  price_table_dask.py price TABLE.csv OUT [--workers 2] [--scheduler ADDRESS]
                          [--direct-debit] [--fixed-line] [--internet-calls]
                          [--tariffs PATH ...] [--no-builtin] [--on YYYY-MM-DD]
      prices every profile, one partition of the table at a time with
      sazbar.price_array; OUT is a folder of part-NNNNN.csv (or .parquet)
      files in the table's order, with the columns id, cheapest (the first
      cheapest tariff), cheapest_price and the price under every tariff of
      sazbar.TARIFFS (empty where not priced)

--tariffs adds the tariffs of a tariff file or a folder of them
(docs/tariff-format.md; repeatable) as columns after the compiled tariffs,
named by their ids; --no-builtin prices them alone; --on prices the revisions
valid that day (default today). The files are checked before pricing starts.

Without --scheduler a local cluster of --workers processes prices the table;
with --scheduler tcp://HOST:8786 the workers of that cluster do, and every one
of them must import sazbar and reach TABLE, OUT and the tariff files under the
same names (a shared file system, or s3://... with s3fs for TABLE and OUT).
"""
import argparse
import datetime
import re
import sys
import tempfile
import time

import numpy as np
import pandas as pd

COUNTRY_COLUMNS = ["intl%d_country" % k for k in range(4)]


def count_columns():
    import sazbar
    return list(sazbar.COLUMNS)


def generate(rows, path, seed):
    """Varied profiles: each count 0 a third of the time, else up to a month's heavy use."""
    rng = np.random.default_rng(seed)
    columns = count_columns()
    highs = np.array([300] * 28 + [10] * 4 + [5000, 80000] + [60] * 12)
    table = pd.DataFrame({"id": np.arange(rows)})
    counts = rng.integers(0, highs + 1, size=(rows, len(columns)))
    counts[rng.random(counts.shape) < 1 / 3] = 0
    table = pd.concat([table, pd.DataFrame(counts, columns=columns),
                       pd.DataFrame(rng.integers(0, 36, size=(rows, 4)), columns=COUNTRY_COLUMNS)], axis=1)
    if path.endswith(".parquet"):
        table.to_parquet(path, index=False)
    else:
        table.to_csv(path, index=False)


def load_tariffs(tariffs):
    """The tariffs of (paths, builtin, day), or None without files. A loaded
    catalogue cannot travel to the workers, so each partition's task reads the
    files again (a thousand tariffs load in milliseconds)."""
    if not tariffs[0]:
        return None
    import sazbar
    paths, builtin, on = tariffs
    return sazbar.load_tariffs(list(paths), builtin=builtin, on=on)


def price_columns(loaded):
    """The ids of the price columns: the compiled tariffs', then the data tariffs'."""
    import sazbar
    return list(loaded.ids if loaded is not None else sazbar.TARIFFS)


def price_partition(part, direct_debit, fixed_line, internet_calls, tariffs):
    """One partition of the table priced; runs on a worker."""
    import sazbar
    loaded = load_tariffs(tariffs)
    try:
        prices, cheapest = sazbar.price_array(part[list(sazbar.COLUMNS)].to_numpy(),
                                              countries=part[COUNTRY_COLUMNS].to_numpy(), direct_debit=direct_debit,
                                              fixed_line=fixed_line, internet_calls=internet_calls,
                                              tariffs=loaded)
    except ValueError as e:
        # Name the profile by its id rather than by its row in the partition.
        message = str(e)
        row = re.match(r"row (\d+), ", message)
        if row and len(part):
            message = "profile id %s: %s" % (part["id"].iloc[int(row.group(1))], message[row.end():])
        raise ValueError(message) from None
    names = price_columns(loaded)
    # -1: no tariff was cheapest (every data tariff unsupported, without the compiled ones).
    none = cheapest < 0
    ids = np.array(names + [None], dtype=object)
    at = np.where(none, 0, cheapest)
    out = {"id": part["id"].to_numpy(),
           "cheapest": ids[np.where(none, len(names), cheapest)],
           "cheapest_price": pd.arrays.IntegerArray(prices[np.arange(len(part)), at] if len(names) else
                                                    np.zeros(len(part), np.int32), none)}
    for t, name in enumerate(names):
        out[name] = pd.arrays.IntegerArray(prices[:, t], prices[:, t] == sazbar.NOT_PRICED)
    return pd.DataFrame(out, index=part.index)


def result_meta(loaded):
    meta = {"id": pd.Series(dtype="int64"), "cheapest": pd.Series(dtype="object"),
            "cheapest_price": pd.Series(dtype="Int32")}
    meta.update({name: pd.Series(dtype="Int32") for name in price_columns(loaded)})
    return pd.DataFrame(meta)


def price(args):
    import dask
    import dask.dataframe as dd
    from dask.distributed import Client, LocalCluster

    # Checked here, before any worker starts; the workers read the same files for the same day.
    tariffs = (tuple(args.tariffs), not args.no_builtin, args.on or datetime.date.today().isoformat())
    loaded = load_tariffs(tariffs)
    with tempfile.TemporaryDirectory() as scratch:
        if args.scheduler:
            client = Client(args.scheduler)
            cluster = None
        else:
            cluster = LocalCluster(n_workers=args.workers, threads_per_worker=1, processes=True,
                                   dashboard_address=None, local_directory=scratch)
            client = Client(cluster)
        try:
            start = time.perf_counter()
            if args.table.endswith(".parquet"):
                table = dd.read_parquet(args.table)
            else:
                table = dd.read_csv(args.table, blocksize=args.blocksize)
            priced = table.map_partitions(price_partition, args.direct_debit, args.fixed_line, args.internet_calls,
                                          tariffs, meta=result_meta(loaded))
            if args.table.endswith(".parquet"):
                writes = priced.to_parquet(args.out, write_index=False, compute=False,
                                           name_function=lambda i: "part-%05d.parquet" % i)
            else:
                writes = priced.to_csv(args.out + "/part-*.csv", index=False, compute=False,
                                       name_function=lambda i: "%05d" % i)
            # Counted as the parts are written, from the same priced partitions.
            _, lengths = dask.compute(writes, priced.map_partitions(len))
            seconds = time.perf_counter() - start
        finally:
            client.close()
            if cluster is not None:
                cluster.close()
    rows = int(lengths.sum())
    workers = args.scheduler or "%d local worker processes" % args.workers
    print("%d profiles in %.2f s: %.0f profiles/s (%s)" % (rows, seconds, rows / seconds, workers), file=sys.stderr)


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    sub = parser.add_subparsers(dest="command", required=True)
    g = sub.add_parser("generate", help="write a table of generated profiles")
    g.add_argument("rows", type=int)
    g.add_argument("table")
    g.add_argument("--seed", type=int, default=2000)
    p = sub.add_parser("price", help="price every profile of a table")
    p.add_argument("table")
    p.add_argument("out", help="folder of the priced parts")
    p.add_argument("--workers", type=int, default=2, help="local worker processes (default 2)")
    p.add_argument("--scheduler", help="address of a Dask scheduler to use instead, as tcp://host:8786")
    p.add_argument("--blocksize", default="64MB", help="bytes of CSV per partition (default 64MB)")
    p.add_argument("--direct-debit", action="store_true")
    p.add_argument("--fixed-line", action="store_true")
    p.add_argument("--internet-calls", action="store_true")
    p.add_argument("--tariffs", action="append", default=[], metavar="PATH",
                   help="a tariff file or a folder of them, priced after the compiled tariffs (repeatable)")
    p.add_argument("--no-builtin", action="store_true", help="price the tariffs of --tariffs alone")
    p.add_argument("--on", metavar="YYYY-MM-DD", help="price the revisions valid that day (default today)")
    args = parser.parse_args()
    if args.command == "price" and (args.no_builtin or args.on) and not args.tariffs:
        parser.error("--no-builtin and --on need --tariffs")
    if args.command == "generate":
        generate(args.rows, args.table, args.seed)
    else:
        args.out = args.out.rstrip("/")
        try:
            price(args)
        except ValueError as e:  # a profile or a tariff file the module refuses
            sys.exit("price_table_dask.py: %s" % e)


if __name__ == "__main__":
    main()

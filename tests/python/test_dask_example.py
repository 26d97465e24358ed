"""examples/price_table_dask.py on two local worker processes against the module itself.

Run by CTest with PYTHONPATH at the built module and SAZBAR_EXAMPLES naming the examples folder.
"""
import glob
import os
import subprocess
import sys

import pandas as pd
import pytest

import sazbar

EXAMPLE = os.path.join(os.environ["SAZBAR_EXAMPLES"], "price_table_dask.py")
TARIFFS = os.path.join(os.environ["SAZBAR_EXAMPLES"], "tariffs")


@pytest.mark.parametrize("flags,kwargs", [
    (["--direct-debit"], {"direct_debit": True}),
    (["--tariffs", TARIFFS, "--no-builtin", "--on", "2004-06-01"],
     {"tariffs": sazbar.load_tariffs(TARIFFS, builtin=False, on="2004-06-01")}),
])
def test_dask_example_prices_as_the_module(tmp_path, flags, kwargs):
    table_path, out = str(tmp_path / "profiles.csv"), str(tmp_path / "priced")
    subprocess.run([sys.executable, EXAMPLE, "generate", "3000", table_path, "--seed", "15"], check=True)
    # Small blocks: several partitions, written in order.
    subprocess.run([sys.executable, EXAMPLE, "price", table_path, out, "--workers", "2", "--blocksize", "100kB",
                    *flags], check=True)
    parts = sorted(glob.glob(out + "/part-*.csv"))
    assert len(parts) > 2
    priced = pd.concat([pd.read_csv(p) for p in parts], ignore_index=True)

    table = pd.read_csv(table_path)
    prices, cheapest = sazbar.price_array(table[list(sazbar.COLUMNS)].to_numpy(),
                                          countries=table[["intl%d_country" % k for k in range(4)]].to_numpy(),
                                          **kwargs)
    ids = kwargs["tariffs"].ids if "tariffs" in kwargs else sazbar.TARIFFS
    assert priced["id"].tolist() == table["id"].tolist()
    assert priced["cheapest"].fillna("").tolist() == [ids[i] if i >= 0 else "" for i in cheapest]
    assert priced["cheapest_price"].fillna(-1).tolist() == [p[i] if i >= 0 else -1 for p, i in zip(prices.tolist(), cheapest)]
    shown = priced[list(ids)].fillna(sazbar.NOT_PRICED).astype(int)
    assert shown.to_numpy().tolist() == prices.tolist()

"""The module sazbar against sazbar-cli --batch on generated profiles, and what both refuse.

Run by CTest with PYTHONPATH at the built module and SAZBAR_CLI naming sazbar-cli.
"""
import json
import os
import random
import re
import subprocess

import numpy as np
import pytest

import sazbar

CLI = os.environ["SAZBAR_CLI"]
COUNT = 300
EDGES = [0, 1, 9, 10, 11, 29, 30, 31, 59, 60, 61, 99, 100, 101, 149, 150, 151, 299, 300, 301, 599, 600, 601,
         999, 1000, 1001, 5000, 20000, 50000, 70001]


def batch(profiles, *flags):
    """The JSON result of every profile, one --batch line each."""
    text = "".join((p if isinstance(p, str) else json.dumps(p)) + "\n" for p in profiles)
    run = subprocess.run([CLI, "--batch", "-", "--jobs", "1", *flags], input=text.encode(), capture_output=True,
                         check=False)
    lines = run.stdout.decode().splitlines()
    assert len(lines) == len(profiles), run.stderr.decode()[:500]
    return [json.loads(line) for line in lines]


def table(seed, n=COUNT):
    """n profiles as rows of the 46 columns, and their countries: counts small, at thresholds or large."""
    rng = random.Random(seed)

    def count(mode):
        if rng.random() < 0.4:
            return 0
        return {0: rng.randint(0, 40), 1: rng.choice(EDGES), 2: rng.randint(0, 100000)}[mode]

    rows = [[count(rng.choice((0, 0, 1, 1, 2))) for _ in range(46)] for _ in range(n)]
    for row in rows[::3]:  # calls only, which every tariff and the fixed line price
        row[:] = [v if c < 28 and c % 7 < 4 else 0 for c, v in enumerate(row)]
    countries = [[rng.randint(0, 35) for _ in range(4)] for _ in range(n)]
    return np.array(rows, dtype=np.int32), np.array(countries, dtype=np.int32)


def as_dict(row, countries, rng, **flags):
    """A profile of the table in the JSON form; keys of nothing but zeros are sometimes left out."""
    row = [int(v) for v in row]
    p = {"matrix": [row[b * 7:b * 7 + 7] for b in range(4)], "wap": row[28:32],
         "gprs_wap_kb": row[32], "gprs_internet_kb": row[33],
         "international": [{"country": int(countries[k]), "peak": row[34 + 3 * k], "afternoon": row[35 + 3 * k],
                            "evening_weekend": row[36 + 3 * k]} for k in range(4)]}
    parts = {"matrix": row[:28], "wap": row[28:32], "gprs_wap_kb": row[32:33], "gprs_internet_kb": row[33:34],
             "international": row[34:] if list(countries) == [0, 1, 2, 3] else [1]}
    for key, values in parts.items():
        if not any(values) and rng.random() < 0.5:
            del p[key]
    p.update({k: v for k, v in flags.items() if v or rng.random() < 0.5})
    return p


def generated_profiles(seed):
    rng = random.Random(seed)
    rows, countries = table(seed)
    countries[:COUNT // 4] = [0, 1, 2, 3]  # the default countries, so that keys can be left out
    return [as_dict(r, c, rng, internet_calls=rng.random() < 0.3, direct_debit=rng.random() < 0.5,
                    fixed_line=rng.random() < 0.5) for r, c in zip(rows, countries)]


@pytest.mark.parametrize("flags", [{}, {"direct_debit": True}, {"fixed_line": True},
                                   {"direct_debit": True, "fixed_line": True}])
def test_price_and_price_many_give_the_batch_lines(flags):
    profiles = generated_profiles(2000 + len(flags))
    expected = batch(profiles, *["--" + k.replace("_", "-") for k in flags])
    assert [sazbar.price(p, **flags) for p in profiles] == expected
    assert sazbar.price_many(iter(profiles), **flags) == expected
    assert sazbar.price(json.dumps(profiles[0]), **flags) == expected[0]
    assert sazbar.TARIFFS == tuple(r["id"] for r in expected[0]["results"])


def first_cheapest(result):
    return next((i for i, r in enumerate(result["results"]) if r["cheapest"]), -1)


@pytest.mark.parametrize("dtype,order,per_row,flags", [
    (np.int32, "C", True, {}),
    (np.int32, "C", False, {"direct_debit": True}),
    (np.int64, "F", True, {"fixed_line": True, "internet_calls": True}),
    (np.uint32, "C", True, {"direct_debit": True, "fixed_line": True}),
])
def test_price_array_gives_the_batch_prices(dtype, order, per_row, flags):
    rows, countries = table(3000 + len(flags))
    if not per_row:
        countries[:] = [4, 17, 0, 35]
    rng = random.Random(1)
    expected = batch([as_dict(r, c, rng) for r, c in zip(rows, countries)],
                     *["--" + k.replace("_", "-") for k in flags])
    prices, cheapest = sazbar.price_array(np.asarray(rows, dtype=dtype, order=order),
                                          countries=countries if per_row else [4, 17, 0, 35], **flags)
    assert prices.dtype == np.int32 and prices.shape == (COUNT, 49) and cheapest.shape == (COUNT,)
    want = [[sazbar.NOT_PRICED if r["price"] is None else r["price"] for r in e["results"]] for e in expected]
    assert prices.tolist() == want
    assert cheapest.tolist() == [first_cheapest(e) for e in expected]


ZERO = [0] * 7


@pytest.mark.parametrize("profile", [
    {"matrix": [ZERO, ZERO, [0, 0, -1, 0, 0, 0, 0], ZERO]},
    {"international": [{"country": 3, "afternoon": -5}]},
    {"gprs_internet_kb": 2 ** 31},
    {"wap": [0, 1.5, 0, 0]},
    {"wap": [0, 0, True, 0]},
    {"wap": [0, 0, 0]},
    {"matrix": [ZERO, ZERO, ZERO]},
    {"international": [{"country": 36}]},
    {"gprs_wap_kb": "10"},
    {"direct_debit": 1},
    {"roaming": 1},
    '{"matrix": [',
])
def test_bad_profiles_are_refused_as_the_cli_refuses_them(profile):
    error = batch([profile])[0]["error"]
    problem = re.sub(r"^<stdin>: line 1: ", "", error)
    with pytest.raises(ValueError) as raised:
        sazbar.price(profile)
    assert str(raised.value) == "profile: " + problem


class Failing:
    """An integer whose conversion fails."""

    def __index__(self):
        raise RuntimeError("no count here")


@pytest.mark.parametrize("profile,message,cause", [
    ({"wap": {1, 2}}, "profile: wap: set has no JSON form", None),
    ({"international": [{"peak": float("nan")}]}, "profile: international[0].peak: nan has no JSON form", None),
    ({"wap": [0, Failing(), 0, 0]}, "profile: wap[1]: Failing could not be read as an integer: no count here",
     RuntimeError),
    ({"matrix": np.zeros((4, 7))}, "profile: matrix[0][0]: expected an integer", None),
    ({"matrix": [[0] * 7] * 3 + [np.zeros(7)]}, "profile: matrix[3][0]: expected an integer", None),
    ({(1, 2): 3}, "profile: keys must be str, not tuple", None),
    ([], "profile: expected a JSON object", None),
])
def test_values_without_a_json_form_are_named(profile, message, cause):
    with pytest.raises(ValueError) as raised:
        sazbar.price(profile)
    assert str(raised.value) == message
    assert type(raised.value.__cause__) is cause or (cause is None and raised.value.__cause__ is None)


def test_a_cycle_is_refused():
    cycle = [0]
    cycle[0] = cycle
    with pytest.raises(ValueError, match=r"^profile: matrix\[0\]\[0\].*: nested too deeply for a profile$"):
        sazbar.price({"matrix": cycle})


def test_numpy_values_price_as_their_lists():
    matrix = np.arange(28, dtype=np.int16).reshape(4, 7)
    assert sazbar.price({"matrix": matrix, "wap": (np.uint8(1), 0, 0, 0)}) == \
        sazbar.price({"matrix": matrix.tolist(), "wap": [1, 0, 0, 0]})


def test_the_size_limit_is_the_command_lines():
    # A profile of exactly 1 MiB of JSON is priced, a byte more is refused, by both.
    fits = {"name": "x" * ((1 << 20) - len(json.dumps({"name": ""})))}
    over = {"name": fits["name"] + "\u00e1"}
    assert len(json.dumps(fits)) == 1 << 20
    cli = batch([fits, over])
    assert "error" not in cli[0] and cli[1]["error"] == "<stdin>: line 2: longer than 1048576 bytes"
    assert sazbar.price(fits) == cli[0]
    for profile in (over, json.dumps(over), {"name": "x" * 10_000_000}):
        with pytest.raises(ValueError, match=r"^profile: larger than 1048576 bytes"):
            sazbar.price(profile)


def test_price_many_names_the_bad_profile():
    good = generated_profiles(5)[:3]
    assert sazbar.price(dict(good[1], gprs_wap_kb=np.int64(7))) == sazbar.price(dict(good[1], gprs_wap_kb=7))
    with pytest.raises(ValueError, match=r"^profile 3: wap\[1\]: negative"):
        sazbar.price_many(good + [{"wap": [0, -1, 0, 0]}] + good)


def bad_cell(row, column, value, dtype=np.int64):
    rows = np.zeros((50, 46), dtype=dtype)
    rows[row, column] = value
    return rows


@pytest.mark.parametrize("rows,kwargs,message", [
    (np.zeros((3, 45), np.int32), {}, "expected an integer array of shape (n, 46), got int32 of shape (3, 45)"),
    (np.zeros(46, np.int32), {}, "of shape (46,)"),
    (np.zeros((3, 46)), {}, "got float64 of shape (3, 46)"),
    (np.zeros((3, 46), bool), {}, "got bool"),
    (np.zeros((3, 46), ">i4"), {}, "expected integers in native byte order, got >i4"),
    (bad_cell(37, 33, -1), {}, "row 37, column 33 (gprs_internet_kb): negative: expected 0 or more"),
    (bad_cell(49, 45, 2 ** 31), {}, "row 49, column 45 (intl3_evening_weekend): outside the 32-bit range"),
    (bad_cell(0, 4, 2 ** 63, np.uint64), {}, "row 0, column 4 (peak_sms_tmobile): outside the 32-bit range"),
    (bad_cell(0, 0, 0), {"countries": [0, 1, 2, 36]}, "countries[3]: expected a country index from 0 to 35"),
    (bad_cell(0, 0, 0), {"countries": [0, 1, 2]}, "countries: expected 4 country indexes"),
    (bad_cell(0, 0, 0), {"countries": np.zeros((49, 4), int)}, "integer array of shape (50, 4)"),
    (bad_cell(0, 0, 0), {"countries": np.full((50, 4), 1.0)}, "countries: expected 4 country indexes"),
    (bad_cell(0, 0, 0), {"countries": np.pad(np.full((1, 4), -1), ((12, 37), (0, 0)))},
     "row 12, countries[0]: expected a country index"),
])
def test_price_array_refuses_bad_tables(rows, kwargs, message):
    with pytest.raises(ValueError, match=re.escape(message)):
        sazbar.price_array(rows, **kwargs)


def test_columns_name_the_table():
    assert len(sazbar.COLUMNS) == len(set(sazbar.COLUMNS)) == 46
    # The messages cell of each band, where price_array reads it: SMS to each network, then MMS.
    messages = [c for c in sazbar.COLUMNS if "sms" in c or "mms" in c]
    assert [sazbar.COLUMNS.index(c) for c in messages] == [4, 11, 18, 25]


# Tariffs read from files: data twins of three compiled tariffs, under ids of their own.
EXAMPLE_TARIFFS = os.path.join(os.path.dirname(__file__), "..", "..", "examples", "tariffs", "example.json")
TWINS = [("example-t30", "t30"), ("example-naplno50", "naplno50"), ("example-telefon-standard", "telecom")]


def prices_by_id(result):
    return {r["id"]: r["price"] for r in result["results"]}


def test_data_twins_price_as_the_compiled_tariffs():
    tariffs = sazbar.load_tariffs(EXAMPLE_TARIFFS, on="2004-06-01")
    rows, countries = table(4000, 120)
    rng = random.Random(4)
    profiles = [as_dict(r, c, rng, fixed_line=True, direct_debit=i % 2 == 1)
                for i, (r, c) in enumerate(zip(rows, countries))]
    results = sazbar.price_many(profiles, tariffs=tariffs)
    assert results[:3] == [sazbar.price(p, tariffs=tariffs) for p in profiles[:3]]
    odd, even = sazbar.price_array(rows[1::2], countries=countries[1::2], direct_debit=True, tariffs=tariffs), \
        sazbar.price_array(rows[::2], countries=countries[::2], tariffs=tariffs)
    prices = np.empty((len(rows), len(tariffs.ids)), np.int32)
    prices[1::2], prices[::2] = odd[0], even[0]
    cheapest = np.empty(len(rows), np.int32)
    cheapest[1::2], cheapest[::2] = odd[1], even[1]

    assert tariffs.ids == sazbar.TARIFFS + tuple(t for t, _ in TWINS) == tuple(c["id"] for c in tariffs.columns)
    assert prices.tolist() == [list(prices_by_id(r).values()) for r in results]
    assert cheapest.tolist() == [first_cheapest(r) for r in results]
    for data, compiled in TWINS:
        assert prices[:, tariffs.ids.index(data)].tolist() == prices[:, tariffs.ids.index(compiled)].tolist()


def write(folder, name, text):
    path = folder / name
    path.write_text(text)
    return path


TARIFF = '{"format": "sazbar-tariffs/1", "tariffs": [{"id": %s, "operator": "O", "name": "N", %s}]}'


@pytest.mark.parametrize("text,builtin,message", [
    ('{"format": ', True, r"bad\.json:1:12: "),
    (TARIFF % ('"x"', '"fee ": "1"'), True, r'bad\.json: tariffs\[0\]\.fee : unknown key "fee "'),
    (TARIFF % ('"x"', '"fee": 1'), True, r"bad\.json: tariffs\[0\]\.fee: expected an amount as a string"),
    (TARIFF % ('"t30"', '"fee": "1"'), True, r"bad\.json: tariffs\[0\]\.id: .*compiled tariff"),
])
def test_a_bad_file_raises_with_its_path(tmp_path, text, builtin, message):
    path = write(tmp_path, "bad.json", text)
    with pytest.raises(ValueError, match=message):
        sazbar.load_tariffs(path, builtin=builtin)
    with pytest.raises(ValueError, match=message):  # a folder holding it
        sazbar.load_tariffs(tmp_path)


def test_without_the_compiled_tariffs_only_data_columns_remain(tmp_path):
    source = '"source": {"title": "T", "url": "https://example.org"}'
    write(tmp_path, "a.json", TARIFF % ('"t30"', '"fee": "100", "rates": {"calls": {"tmobile": "2"}}, ' + source))
    write(tmp_path, "b.json", TARIFF % ('"flat"', '"fee": "150", "rates": {"calls": {"tmobile": "1"}}'))
    tariffs = sazbar.load_tariffs(tmp_path, builtin=False)
    assert tariffs.ids == tariffs.data_ids == ("t30", "flat") and len(tariffs.warnings) == 1
    rows = np.zeros((3, 46), np.int32)
    rows[:, 1] = [10, 50, 70]  # peak minutes to T-Mobile
    rows[2, 4] = 1  # an SMS, which neither prices
    prices, cheapest = sazbar.price_array(rows, tariffs=tariffs)
    assert prices.tolist() == [[120, 160], [200, 200], [240, 220]] and cheapest.tolist() == [0, 0, -1]
    result = sazbar.price({"matrix": rows[1, :28].reshape(4, 7)}, tariffs=tariffs)
    assert [(r["id"], r["price"], r["cheapest"]) for r in result["results"]] == [("t30", 200, True), ("flat", 200, True)]
    assert result["chart"] == []

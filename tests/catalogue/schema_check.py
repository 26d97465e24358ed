#!/usr/bin/env python3
"""The JSON Schema of tariff files: valid, strict (additionalProperties false on
every object), accepting the example files and the reference's examples, and
refusing the faults it can see."""
import copy
import json
import pathlib
import re
import sys

import jsonschema

root = pathlib.Path(sys.argv[1])
schema = json.loads((root / "docs/tariff-format.schema.json").read_text(encoding="utf-8"))
jsonschema.Draft202012Validator.check_schema(schema)
validator = jsonschema.Draft202012Validator(schema)
failures = []


def objects(node, where="$"):
    if isinstance(node, dict):
        if node.get("type") == "object" and node.get("additionalProperties") is not False:
            yield where
        for k, v in node.items():
            yield from objects(v, f"{where}.{k}")
    elif isinstance(node, list):
        for i, v in enumerate(node):
            yield from objects(v, f"{where}[{i}]")


failures += [f"object schema without additionalProperties false: {w}" for w in objects(schema)]

examples = sorted((root / "examples/tariffs").glob("*.json")) + [root / "examples/builtin-tariffs.json"]
if not examples:
    failures.append("no example tariff files")
docs = [json.loads(b) for b in re.findall(r"```json\n(.*?)```", (root / "docs/tariff-format.md").read_text(encoding="utf-8"), re.S)
        if "..." not in b]
if not docs:
    failures.append("no complete example in docs/tariff-format.md")
for name, doc in [(str(p), json.loads(p.read_text(encoding="utf-8"))) for p in examples] + [("doc", d) for d in docs]:
    for e in validator.iter_errors(doc):
        failures.append(f"{name}: {e.json_path}: {e.message}")

base_file = root / "examples/tariffs/example.json"
base = json.loads(base_file.read_text(encoding="utf-8")) if base_file.exists() else None
faults = [
    ("misspelt key", lambda d: d["tariffs"][0].update({"fee ": "1"})),
    ("amount as number", lambda d: d["tariffs"][0].update({"fee": 1.5})),
    ("five decimals", lambda d: d["tariffs"][0]["rates"].update({"mms": "1.00001"})),
    ("negative amount", lambda d: d["tariffs"][0].update({"fee": "-1"})),
    ("unknown nested key", lambda d: d["tariffs"][0]["rates"]["calls"].update({"dayOfWeek": "1"})),
    ("unknown country", lambda d: d["tariffs"][0]["rates"]["international"].update({"countries": {"Atlantis": "1"}})),
    ("zone 9", lambda d: d["tariffs"][0]["rates"]["international"]["zones"].update({"9": "1"})),
    ("two amounts", lambda d: d["tariffs"][0]["allowances"][0].update({"kb": 5})),
    ("wrong format", lambda d: d.update({"format": "sazbar-tariffs/2"})),
    ("internet calls neither rates nor unsupported", lambda d: d["tariffs"][2]["rates"]["international"].update({"internet_calls": "no"})),
    ("cheapest mark as text", lambda d: d["tariffs"][0].update({"cheapest_mark": "no"})),
]
for name, plant in faults if base else []:
    doc = copy.deepcopy(base)
    plant(doc)
    if validator.is_valid(doc):
        failures.append(f"schema accepts a file with a fault: {name}")

for f in failures:
    print(f)
sys.exit(1 if failures else 0)

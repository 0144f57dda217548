# SPDX-License-Identifier: GPL-3.0-or-later
"""Checks JSON documents against a JSON Schema: exit 1 naming each document that does not fit."""
import json
import sys

import jsonschema

schema = json.load(open(sys.argv[1], encoding="utf-8"))
validator = jsonschema.Draft202012Validator(schema)
failed = False
for path in sys.argv[2:]:
    for error in validator.iter_errors(json.load(open(path, encoding="utf-8"))):
        print(f"{path}: {error.json_path}: {error.message}", file=sys.stderr)
        failed = True
sys.exit(1 if failed else 0)

#!/usr/bin/env bash
# The main job: imports the example workbook into a fresh plan, then dumps the plan.
set -uo pipefail
cd "$(dirname "$0")/.."
workbook=examples/register-2.2.xlsx
plan=build/example-plan.db
rm -f "$plan"
./build/app/velloway import "$workbook" --plan "$plan" --yes
echo "import exit status: $?"
./build/app/velloway dump --plan "$plan"

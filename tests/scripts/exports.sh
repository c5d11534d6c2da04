#!/usr/bin/env bash
# The library's dynamic symbol table must define PluginMain and no other symbol of ours.
set -euo pipefail
library=$1
defined=$(nm -D --defined-only "$library" | awk '{print $3}' | grep -v '^_\(init\|fini\|edata\|end\|_bss_start\)$' | grep -v '^__bss_start$' | grep -v '^_edata$' | grep -v '^_end$' | sort)
if [ "$defined" != "PluginMain" ]; then
  echo "expected only PluginMain to be exported, found:" >&2
  echo "$defined" >&2
  exit 1
fi
echo "exports: PluginMain"

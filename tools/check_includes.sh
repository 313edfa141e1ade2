#!/usr/bin/env bash
# Checks the "#include "..."" lines of src against the modules each module may use: a module
# (a folder of src, with its sub-folders) includes itself and the modules its row names, and
# "*" is every module. Prints each line that breaks the table and exits 1; exits 0 when none
# does.
#
#   bash tools/check_includes.sh
set -u

top=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$top"

declare -A may_include=(
    [base]=""
    [platform]="base"
    [lang]="base platform"
    [qip]="base platform"
    [pack]="base platform lang"
    [system]="base platform lang"
    [report]="base platform lang pack"
    [install]="base platform lang pack qip system"
    [app]="*"
    [ui]="*"
)

# Sets why to the reason the module may not include the target, or to nothing when it may.
judge() {  # judge MODULE TARGET
    local module=$1 target=$2 used=${2%%/*}
    why=""
    if [ -z "${may_include[$module]+known}" ]; then
        why="src/$module is not in the table of tools/check_includes.sh"
    elif [ "$used" = "$target" ]; then
        why="names no module: include it by its folder below src"
    elif [ "$used" != "$module" ] && [ "${may_include[$module]}" != "*" ] &&
        [[ " ${may_include[$module]} " != *" $used "* ]]; then
        why="$module may not include $used"
    fi
}

pattern='^[[:space:]]*#[[:space:]]*include[[:space:]]*"([^"]*)"'
offending=0
while IFS=: read -r file number text; do
    [[ $text =~ $pattern ]] || continue
    module=${file#src/}
    module=${module%%/*}
    judge "$module" "${BASH_REMATCH[1]}"
    if [ -n "$why" ]; then
        echo "$file:$number: $text  ($why)"
        offending=$((offending + 1))
    fi
done < <(grep -rnE --include='*.h' --include='*.cpp' "$pattern" src)

if [ "$offending" -gt 0 ]; then
    echo "FAIL includes: $offending line(s) include a module they may not"
    exit 1
fi
echo "PASS includes: every module includes only the modules it may"

# SPDX-License-Identifier: GPL-3.0-or-later
# Shared by the end-to-end tests and scripts/screenshots: writing the settings
# file of the private program copy in $work/app. Sourced, not run.

# The nine settings, one SETTING(name, kind, file position, default, ...) row each.
SETTINGS_TABLE="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)/library/SettingsTable.def"

# Writes the copy's Kipo.ini: every setting at its default but those given as
# name=value (decimal or 0x hexadecimal), as nine 32-bit little-endian integers
# in the file's order.
write_settings() {
    local -A position=() value=()
    local name kind file default rest
    while IFS=', ' read -r name kind file default rest; do
        position[$name]=$file
        value[$name]=$((default))
    done < <(sed -n 's/^SETTING(\(.*\))$/\1/p' "$SETTINGS_TABLE")
    local pair
    for pair in "$@"; do
        name=${pair%%=*}
        if [[ ! -v position[$name] ]]; then
            echo "write_settings: there is no setting $name" >&2
            return 1
        fi
        value[$name]=$((${pair#*=}))
    done
    local -a ordered=()
    for name in "${!position[@]}"; do
        ordered[${position[$name]}]=${value[$name]}
    done
    local number bytes=""
    for number in "${ordered[@]}"; do
        bytes+=$(printf '\\x%02x' $((number & 255)) $((number >> 8 & 255)) \
            $((number >> 16 & 255)) $((number >> 24 & 255)))
    done
    printf '%b' "$bytes" >"$work/app/Kipo.ini"
}

# Shared by the end-to-end tests and scripts/screenshots: writing the settings
# file of the private program copy in $work/app. Sourced, not run.

# Writes the copy's Kipo.ini: nine 32-bit little-endian integers, given in the
# file's order.
write_settings() {
    local value bytes=""
    for value in "$@"; do
        bytes+=$(printf '\\x%02x' $((value & 255)) $((value >> 8 & 255)) \
            $((value >> 16 & 255)) $((value >> 24 & 255)))
    done
    printf '%b' "$bytes" >"$work/app/Kipo.ini"
}

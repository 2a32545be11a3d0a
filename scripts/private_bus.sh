# SPDX-License-Identifier: GPL-3.0-or-later
# A D-Bus bus of the tests' own. Sourced, not run.

# Writes to the file $1 the configuration of a session bus listening on the
# address $2 that starts no services, where every client may own names and
# watch every message (the tests' recorders do); with $3 = root, root may
# connect to it too, besides the user who runs it.
write_private_bus_config() {
    local root=""
    [ -z "${3:-}" ] || root=$'\n    '"<allow user=\"$3\"/>"
    cat >"$1" <<EOF
<busconfig>
  <type>session</type>
  <listen>$2</listen>
  <auth>EXTERNAL</auth>
  <policy context="default">$root
    <allow send_destination="*" eavesdrop="true"/>
    <allow eavesdrop="true"/>
    <allow own="*"/>
  </policy>
</busconfig>
EOF
}

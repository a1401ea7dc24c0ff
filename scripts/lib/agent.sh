# Sourced by scripts that talk to a real SNMP agent: Debian's snmpd serving
# udp:127.0.0.1:161 inside a private network namespace, so nothing the
# scripts send leaves this machine.
# shellcheck shell=bash

# in_private_network COMMAND [ARGUMENT...]: runs COMMAND in a network
# namespace of its own whose loopback interface is up. Needs root.
in_private_network() {
  if [ "$(id -u)" -ne 0 ]; then
    echo "A private network namespace needs root: run this script as root." >&2
    exit 1
  fi
  unshare --net -- bash -c 'ip link set lo up && exec "$@"' bash "$@"
}

# start_agent DESCRIPTION: starts snmpd with the read-only community public
# and DESCRIPTION as its sysDescr, and returns once it listens. Call it inside
# the private network; stop_agent ends it.
start_agent() {
  agent_dir="$(mktemp -d /tmp/quarlin-agent-XXXXXX)"
  printf 'rocommunity public 127.0.0.1\nsysDescr %s\n' "$1" >"$agent_dir/snmpd.conf"
  # No MIB files to parse, and the agent's persistent files in its own folder.
  MIBS= MIBDIRS="$agent_dir/no-mibs" SNMP_PERSISTENT_DIR="$agent_dir/persistent" \
    /usr/sbin/snmpd -f -Lf "$agent_dir/snmpd.log" -C -c "$agent_dir/snmpd.conf" udp:127.0.0.1:161 \
    </dev/null >/dev/null 2>&1 &
  agent_pid=$!
  local attempt
  for attempt in $(seq 200); do
    # A request sent once the port is bound waits in the socket for the agent.
    if ss -Hlun 'sport = :161' | grep -q .; then
      return 0
    fi
    kill -0 "$agent_pid" 2>/dev/null || break
    sleep 0.05
  done
  echo "snmpd did not start; its log:" >&2
  cat "$agent_dir/snmpd.log" >&2
  return 1
}

stop_agent() {
  kill "$agent_pid" 2>/dev/null || true
  wait "$agent_pid" 2>/dev/null || true
  rm -rf "$agent_dir"
}

#!/usr/bin/env bash
# A private LDAP directory server for the tests and the benchmark: slapd as a
# process of whoever runs this, with its configuration, database and files in
# one folder, listening on a free port of 127.0.0.1 only. No system service,
# configuration or port is touched.
#   scripts/directory-server.sh start FOLDER   (re)creates and starts it
#   scripts/directory-server.sh stop FOLDER    stops it; fine when none runs
# After a start the folder holds
#   server.url    ldap://127.0.0.1:PORT/
#   server.port   PORT
#   slapd.pid     the server's process id
# The server holds tests/directory/seed-ldif.sh's data under dc=example,dc=test.
# The bind user uid=reader,ou=service,dc=example,dc=test (password
# reader-secret) and anonymous users may read everything but passwords and get
# at most 1,000 entries a search; the reader gets all when it pages, anonymous
# users never more than 1,000 (a server that stops at its size limit);
# cn=admin,dc=example,dc=test (password admin-secret) has no limits.
set -euo pipefail

repo_root="$(cd "$(dirname "$0")/.." && pwd)"
slapd=/usr/sbin/slapd
slapadd=/usr/sbin/slapadd
# The system's and the user's ldap.conf stay out of every client call here.
export LDAPNOINIT=1

usage() {
    echo "usage: $0 start|stop FOLDER" >&2
    exit 2
}
[ $# -eq 2 ] || usage
command=$1
# Stopping where nothing was ever started is done at once.
[ "$command" = stop ] && [ ! -d "$2" ] && exit 0
mkdir -p "$2"
folder="$(cd "$2" && pwd)"
conf="$folder/slapd.conf"

# The slapd processes of this user that run this folder's configuration,
# found by their command line, so that one an interrupted run lost track of
# is found as well.
server_pids() {
    local cmdline args
    for cmdline in /proc/[0-9]*/cmdline; do
        [ -O "$cmdline" ] || continue
        mapfile -d '' args <"$cmdline" 2>/dev/null || continue
        if [ "${#args[@]}" -ge 3 ] && [ "${args[0]}" = "$slapd" ] && [ "${args[1]}" = -f ] && [ "${args[2]}" = "$conf" ]; then
            cmdline=${cmdline#/proc/}
            echo "${cmdline%/cmdline}"
        fi
    done
}

stop_server() {
    local pids
    pids=$(server_pids)
    if [ -n "$pids" ]; then
        # shellcheck disable=SC2086 # a word per process id
        kill -TERM $pids 2>/dev/null || true
        for _ in $(seq 100); do
            pids=$(server_pids)
            [ -z "$pids" ] && break
            sleep 0.1
        done
        if [ -n "$pids" ]; then
            echo "directory-server: slapd did not end within 10 s; killing it" >&2
            # shellcheck disable=SC2086
            kill -KILL $pids 2>/dev/null || true
        fi
    fi
    rm -f "$folder/slapd.pid" "$folder/slapd.args" "$folder/server.url" "$folder/server.port"
}

write_configuration() {
    # Active Directory keeps further fax numbers of a person in
    # otherFacsimileTelephoneNumber (its own OID kept here); OpenLDAP's
    # schemas lack it. An auxiliary class lets any entry carry it.
    cat >"$folder/fax-numbers.schema" <<'EOF'
attributetype ( 1.2.840.113556.1.4.646 NAME 'otherFacsimileTelephoneNumber'
    DESC 'Further fax numbers, as Active Directory names them'
    EQUALITY telephoneNumberMatch
    SUBSTR telephoneNumberSubstringsMatch
    SYNTAX 1.3.6.1.4.1.1466.115.121.1.50 )

objectclass ( 2.25.3817950553356089616627847878794889060 NAME 'otherFaxNumbers'
    DESC 'Carries further fax numbers'
    SUP top AUXILIARY
    MAY otherFacsimileTelephoneNumber )
EOF
    cat >"$conf" <<EOF
include /etc/ldap/schema/core.schema
include /etc/ldap/schema/cosine.schema
include /etc/ldap/schema/inetorgperson.schema
include $folder/fax-numbers.schema

# Only the messages slapd logs whatever the level, so that the tests' searches
# do not fill the system log.
loglevel none
pidfile $folder/slapd.pid
argsfile $folder/slapd.args
modulepath /usr/lib/ldap
moduleload back_mdb

database mdb
maxsize 1073741824
suffix "dc=example,dc=test"
rootdn "cn=admin,dc=example,dc=test"
rootpw admin-secret
directory $folder/db
index objectClass eq
index uid eq

# Like Active Directory's page size for ordinary users: a search returns at
# most 1,000 entries unless it pages. Anonymous users stop at 1,000 even when
# they page. The rootdn is not limited.
limits users size.soft=1000 size.hard=1000 size.prtotal=unlimited
limits anonymous size.soft=1000 size.hard=1000 size.prtotal=1000

access to attrs=userPassword
    by self write
    by anonymous auth
    by * none
access to *
    by * read
EOF
}

answers() {
    ldapsearch -x -H "$1" -b "" -s base -LLL namingContexts >/dev/null 2>&1
}

start_server() {
    rm -rf "$folder/db"
    mkdir -p "$folder/db"
    write_configuration
    "$repo_root/tests/directory/seed-ldif.sh" >"$folder/seed.ldif"
    "$slapadd" -q -f "$conf" -l "$folder/seed.ldif" 2>"$folder/slapadd.log" || {
        cat "$folder/slapadd.log" >&2
        echo "directory-server: slapadd failed" >&2
        exit 1
    }

    # A port below Linux's range for outgoing connections (32768 and up);
    # when slapd cannot listen on it, because something else does, another.
    local port url
    for _ in $(seq 20); do
        port=$((20000 + RANDOM % 12000))
        url="ldap://127.0.0.1:$port/"
        # slapd opens its port before it goes to the background, so a port in
        # use makes it fail here. Its output goes to a file, so that nothing
        # waiting for this script's output waits for the server as well.
        if "$slapd" -f "$conf" -h "$url" </dev/null >"$folder/slapd.log" 2>&1; then
            for _ in $(seq 100); do
                if answers "$url"; then
                    echo "$url" >"$folder/server.url"
                    echo "$port" >"$folder/server.port"
                    echo "directory-server: $url (pid $(cat "$folder/slapd.pid"))"
                    return 0
                fi
                sleep 0.1
            done
            stop_server
            echo "directory-server: slapd on $url did not answer within 10 s" >&2
            exit 1
        fi
    done
    cat "$folder/slapd.log" >&2
    echo "directory-server: slapd found no free port" >&2
    exit 1
}

case "$command" in
    start)
        stop_server
        start_server
        ;;
    stop)
        stop_server
        ;;
    *) usage ;;
esac

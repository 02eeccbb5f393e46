#!/usr/bin/env bash
# Installs what building and testing faximport needs, through apt only.
# Idempotent: packages already present are not touched, so a second run is quick.
set -euo pipefail

packages=(
    cmake make g++ pkg-config clang libclang-rt-dev clang-format
    libgtest-dev googletest libgmock-dev
    g++-mingw-w64-i686 binutils-mingw-w64-i686 mingw-w64-i686-dev
    g++-mingw-w64-x86-64 binutils-mingw-w64-x86-64 mingw-w64-x86-64-dev
    wine wine32:i386 wine64
    xvfb xauth x11-apps imagemagick
    python3 zip fp-utils
    slapd ldap-utils
)

missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$p")
    fi
done

if [ ${#missing[@]} -eq 0 ]; then
    exit 0
fi

sudo_cmd=()
if [ "$(id -u)" -ne 0 ]; then
    sudo_cmd=(sudo)
fi

if ! dpkg --print-foreign-architectures | grep -qx i386; then
    "${sudo_cmd[@]}" dpkg --add-architecture i386
fi
echo "bootstrap: installing ${missing[*]}" >&2
export DEBIAN_FRONTEND=noninteractive

# The tests run slapd as a process of their own with a private configuration
# (scripts/directory-server.sh). Installed here, it gets no system database
# and so no system directory service; a machine that already has slapd keeps
# its own configuration, since an installed package is not touched.
installing_slapd=no
if [[ " ${missing[*]} " == *" slapd "* ]]; then
    installing_slapd=yes
    echo "slapd slapd/no_configuration boolean true" | "${sudo_cmd[@]}" debconf-set-selections
fi

"${sudo_cmd[@]}" apt-get update -qq
"${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null

# Should the package have started a system slapd anyway, it is stopped: it was
# not there before this install and the tests do not use it. It runs as the
# openldap user; the tests' own servers run as whoever runs the tests.
if [ "$installing_slapd" = yes ] && pgrep -x -u openldap slapd >/dev/null; then
    echo "bootstrap: stopping the system slapd the install started" >&2
    "${sudo_cmd[@]}" invoke-rc.d slapd stop >/dev/null 2>&1 || "${sudo_cmd[@]}" service slapd stop >/dev/null 2>&1 || true
fi

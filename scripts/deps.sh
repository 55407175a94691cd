# Debian packages the builds need; sourced by scripts/run and scripts/test.
# Installs what is missing when run as root, otherwise prints the apt-get line and stops.
dd_require_packages() {
    local missing=()
    local pkg
    for pkg in "$@"; do
        dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q "install ok installed" || missing+=("$pkg")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    if [ "$(id -u)" -ne 0 ]; then
        echo "missing packages; run as root:" >&2
        echo "  apt-get update && apt-get install -y ${missing[*]}" >&2
        exit 1
    fi
    if printf '%s\n' "${missing[@]}" | grep -q ':i386$\|^wine32$'; then
        dpkg --print-foreign-architectures | grep -qx i386 || dpkg --add-architecture i386
    fi
    apt-get update -qq
    DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "${missing[@]}"
}

# The Linux build, and the locale sources from which the tests make a comma-decimal locale with
# localedef where the machine has none.
DD_LINUX_PACKAGES=(g++ cmake make googletest libgtest-dev libgmock-dev libbenchmark-dev
                   nlohmann-json3-dev libcli11-dev locales)

# The Windows build: the MinGW-w64 cross compiler (its POSIX-threads flavour), the resource
# compiler in its binutils, GoogleTest's sources, and Wine with its 32-bit half to run the tests.
DD_WINDOWS_PACKAGES=(g++-mingw-w64-i686-posix binutils-mingw-w64-i686 googletest wine wine32:i386)

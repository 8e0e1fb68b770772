# Debian packages the build, the tests and the program need; installed when missing.
packages=(cmake g++ make libgtest-dev libgmock-dev googletest libbenchmark-dev qt6-base-dev libgl-dev libcups2-dev
          poppler-utils fonts-dejavu-core fonts-liberation2 locales)

install_missing_packages() {
    local missing=()
    for p in "${packages[@]}"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "Installing: ${missing[*]}"
    local sudo=""
    [ "$(id -u)" -ne 0 ] && sudo="sudo"
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

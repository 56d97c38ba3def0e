#!/usr/bin/env bash
# Runs a test as root without the capabilities that let root ignore file
# permissions, so read-only files and folders behave as they do for the
# kiosk's ordinary user. Other users run the test as it is.
if [ "$(id -u)" -eq 0 ] && command -v setpriv >/dev/null; then
    exec setpriv --bounding-set=-dac_override,-dac_read_search "$@"
fi
exec "$@"

# Sourced by the scripts that build packages: SOURCE_DATE_EPOCH, the time that every file in a
# package is given (and that the build tools read), is the last commit's unless the caller set
# it, so that two builds of one commit give the same bytes whenever and wherever they run.
if [ -z "${SOURCE_DATE_EPOCH:-}" ]; then
  SOURCE_DATE_EPOCH=$(git -C "$(dirname "${BASH_SOURCE[0]}")/.." log -1 --format=%ct 2>/dev/null) ||
    { echo "SOURCE_DATE_EPOCH is not set and this is no git checkout to take it from" >&2; exit 1; }
fi
export SOURCE_DATE_EPOCH

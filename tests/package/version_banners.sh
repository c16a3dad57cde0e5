#!/bin/sh
# Every program answers --version with a banner that carries the version
# of the project (and so of the CMake package and the Debian package).
# usage: version_banners.sh   (environment: the programs, ZEDRA_VERSION)
set -u
status=0
for program in "$SGEN" "$PGEN" "$KAMRUN" "$K2C" "$K2S" "$K2A"; do
  banner=$("$program" --version 2>&1)
  case $banner in
    *" v$ZEDRA_VERSION") ;;
    *) echo "FAIL: $(basename "$program") --version says '$banner', the project is $ZEDRA_VERSION"; status=1 ;;
  esac
done
[ $status = 0 ] && echo "every banner ends in v$ZEDRA_VERSION"
exit $status

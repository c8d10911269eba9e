#!/usr/bin/env bash
# Makes again the GPX files that other programs wrote, which the passage tests read back:
# gpsbabel's route (GPX 1.0), waypoints and track (GPX 1.1) from a CSV file, GDAL's routes with its
# extension elements. bombe.gpx is a billion laughs, written by hand.
set -euo pipefail
cd "$(dirname "$0")"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
printf '48.38,-4.49,Brest\n38.7,-9.15,Lisboa\n28.1,-15.4,Las Palmas\n' > "$work/route.csv"
gpsbabel -r -i unicsv,fields=lat+lon+name -f "$work/route.csv" -o gpx -F gpsbabel-route-1.0.gpx
gpsbabel -i unicsv,fields=lat+lon+name -f "$work/route.csv" -o gpx,gpxver=1.1 \
  -F gpsbabel-waypoints.gpx
gpsbabel -i unicsv,fields=lat+lon+name -f "$work/route.csv" -x transform,trk=wpt,del \
  -o gpx,gpxver=1.1 -F gpsbabel-track.gpx
# The same route in UTF-16, with its byte order mark, and in Windows-1252 with a name of its own
# characters, as some Windows programs write XML.
sed 's/encoding="UTF-8"/encoding="UTF-16"/' gpsbabel-route-1.0.gpx |
  iconv -f UTF-8 -t UTF-16 > gpsbabel-route-utf16.gpx
sed 's/encoding="UTF-8"/encoding="windows-1252"/; s/Lisboa/Lisbõa – Tejo €/' gpsbabel-route-1.0.gpx |
  iconv -f UTF-8 -t CP1252 > gpsbabel-route-windows-1252.gpx
printf 'route_fid,lat,lon,name,depth\n0,48.38,-4.49,Brest,12\n0,38.7,-9.15,Lisboa,9
0,28.1,-15.4,Las Palmas,20\n1,28.1,-15.4,Las Palmas,20\n1,32.65,-16.9,Funchal,30\n' > "$work/r.csv"
rm -f gdal-routes-extensions.gpx
ogr2ogr -f GPX -dsco GPX_USE_EXTENSIONS=YES -oo X_POSSIBLE_NAMES=lon -oo Y_POSSIBLE_NAMES=lat \
  -nln route_points gdal-routes-extensions.gpx "$work/r.csv"

#!/usr/bin/env bash
# Draws the start-up and farewell pictures of Qelvar Maps into data/ (needs ImageMagick and the
# DejaVu fonts). Run it again only to change the pictures; they are committed.
set -euo pipefail
cd "$(dirname "$0")/../data"
convert=/usr/bin/convert
bold=/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf
plain=/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf

picture() { # file, line under the title
    "$convert" -size 480x270 gradient:'#0b2a4a'-'#1d5a8a' \
        -fill '#ffffff' -font "$bold" -pointsize 34 -annotate +32+78 'Qelvar Maps' \
        -fill '#9cc8ee' -font "$plain" -pointsize 13 -annotate +34+104 'World map and route planner for the flight simulator' \
        -stroke '#9cc8ee' -strokewidth 1 -draw 'line 34,122 446,122' -stroke none \
        -fill '#ffffff' -font "$plain" -pointsize 16 -annotate +34+168 "$2" \
        -fill '#ffcc66' -font "$bold" -pointsize 12 -annotate +34+238 'Not for real navigation: for flight simulation only.' \
        -quality 90 "$1"
}

picture init.jpg 'Starting: loading intersections and runways...'
picture LoadCoast.jpg 'Loading coastlines, borders and mountain peaks...'
picture loadarpt.jpg 'Loading airports...'
picture LoadILS.jpg 'Loading ILS localizers...'
picture loadvor.jpg 'Loading VOR stations...'
picture loadndb.jpg 'Loading NDB beacons...'
picture bye.jpg 'Goodbye. Happy landings!'

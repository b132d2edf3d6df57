#!/usr/bin/env bash
# Draws the 128-pixel icons of the five programs into packaging/icons/ (needs ImageMagick). Run it
# again only to change the icons; they are committed.
set -euo pipefail
cd "$(dirname "$0")/icons"

icon() { # file, drawing commands on a 128 x 128 transparent square
    convert -size 128x128 xc:none -strokewidth 0 -draw "$2" -strip "$1"
}

icon qelvar-maps.png "
  fill '#1d5fa8' roundrectangle 4,4 123,123 18,18
  fill '#3f8fd8' stroke '#ffffff' stroke-width 4 circle 64,64 64,20
  fill none stroke-width 3 ellipse 64,64 20,44 0,360
  line 64,20 64,108  line 20,64 108,64  line 27,44 101,44  line 27,84 101,84
  stroke '#e8312f' stroke-width 6 stroke-linejoin round stroke-linecap round
  polyline 34,92 52,58 78,70 96,34
  stroke none fill '#e8312f' circle 34,92 40,92 circle 96,34 102,34"

icon qelvar-airports.png "
  fill '#5d7f3a' roundrectangle 4,4 123,123 18,18
  push graphic-context translate 64,64 rotate 40 translate -64,-64
    fill '#3a3a3a' rectangle 52,10 76,118
    stroke '#ffffff' stroke-width 3 line 64,20 64,34 line 64,44 64,58 line 64,68 64,82 line 64,92 64,106
  pop graphic-context
  fill none stroke '#f2c230' stroke-width 5 path 'M 70,58 C 84,66 92,76 94,84'
  stroke '#222222' stroke-width 2 fill '#dddddd' rectangle 88,84 104,110
  fill '#7fb8e8' rectangle 84,78 108,86"

icon qelvar-approach.png "
  fill '#1b2a4a' roundrectangle 4,4 123,123 18,18
  fill '#9aa4b5' polygon 54,110 74,110 68,78 60,78
  stroke '#ffffff' stroke-width 2 line 64,106 64,100 line 64,94 64,88 line 64,84 64,80
  fill none stroke '#5fd35f' stroke-width 3 stroke-dasharray 6,5 line 44,48 96,30 stroke-dasharray none
  stroke-width 4 polygon 84,30 96,18 108,30 96,42
  stroke '#f2c230' stroke-width 5 stroke-linecap round stroke-linejoin round polyline 14,22 44,48 64,78
  stroke '#ffffff' stroke-width 3 circle 14,22 20,22
  stroke none fill '#ffffff' circle 44,48 49,48"

icon qelvar-index.png "
  fill '#d98c1c' roundrectangle 4,4 123,123 18,18
  fill '#fffaf0' roundrectangle 18,16 94,108 6,6
  stroke '#8a6a3a' stroke-width 5 line 28,32 84,32 line 28,46 84,46 line 28,60 70,60 line 28,74 62,74 line 28,88 58,88
  fill '#ffffff8c' stroke '#2b2b2b' stroke-width 7 circle 78,78 98,78
  stroke-width 11 stroke-linecap round line 93,93 110,110"

icon qelvar-notes.png "
  fill '#4f6470' roundrectangle 4,4 123,123 18,18
  fill '#ffffff' roundrectangle 16,20 112,108 4,4
  fill none stroke '#000000' stroke-width 4 stroke-linecap round
  path 'M 26,56 C 34,40 40,74 48,56 S 62,42 68,58 S 80,70 86,52'
  line 26,84 60,84
  push graphic-context translate 94,74 rotate 40 translate -94,-74
    stroke '#333333' stroke-width 2 fill '#f2c230' rectangle 88,34 100,84
    fill '#e8c9a0' polygon 88,84 100,84 94,98
  pop graphic-context"

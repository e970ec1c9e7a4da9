#!/usr/bin/env bash
# Draws the program's pictures (run by hand when they change; the results are committed).
set -euo pipefail
cd "$(dirname "$0")"
font=/usr/share/fonts/truetype/wqy/wqy-microhei.ttc
# Login background: 535 x 285, a blue field with a light band behind the
# inputs, the captions of the two boxes and the program's name.
convert -size 535x285 gradient:'#1d4f91-#4f8fd6' \
  -fill 'rgba(255,255,255,0.85)' -draw 'roundrectangle 120,128 455,215 8,8' \
  -fill 'rgba(255,255,255,0.18)' -draw 'circle 62,70 62,20' -draw 'circle 480,250 480,205' \
  -fill white -draw 'rectangle 0,0 535,3' \
  -font "$font" -pointsize 24 -fill white -annotate +150+46 'vo管理工作信息采集系统' \
  -pointsize 13 -fill '#16407a' -annotate +137+158 '帐  号：' -annotate +137+196 '密  码：' \
  -quality 90 login.jpg
# Main-window banner: 968 x 80.
convert -size 968x80 gradient:'#16407a-#2f7cc4' -rotate 0 \
  -fill 'rgba(255,255,255,0.15)' -draw 'circle 60,40 60,5' -draw 'circle 910,80 910,20' \
  -fill 'rgba(255,255,255,0.10)' -draw 'rectangle 0,74 968,80' BMP3:banner.bmp
# Sidebar header: 168 x 32.
convert -size 168x32 gradient:'#2f7cc4-#16407a' BMP3:sidebar.bmp
# Program icon: a shield with a check mark, 16/32/48 pixels.
for s in 16 32 48; do
  convert -size 48x48 xc:none -fill '#1d5fae' -stroke '#0d2f5a' -strokewidth 2 \
    -draw 'path "M 24,3 L 43,10 L 41,28 Q 36,40 24,45 Q 12,40 7,28 L 5,10 Z"' \
    -stroke white -strokewidth 5 -fill none -draw 'polyline 14,24 21,32 35,16' \
    -resize ${s}x${s} icon-$s.png
done
convert icon-16.png icon-32.png icon-48.png app.ico
# Record-list row picture: a small card.
convert -size 16x16 xc:none -fill '#2f7cc4' -stroke '#16407a' -draw 'roundrectangle 1,2 14,13 2,2' \
  -fill white -stroke none -draw 'rectangle 4,5 11,6' -draw 'rectangle 4,9 9,10' row.png
convert row.png row.ico
rm -f icon-16.png icon-32.png icon-48.png row.png

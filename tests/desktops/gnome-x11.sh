# GNOME Shell on Xvfb.
gnome_session=x11
d_qpa=xcb
source "$here/gnome.sh"

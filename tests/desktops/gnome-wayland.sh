# Headless GNOME Shell on Wayland, the program as a Wayland client.
gnome_session=wayland
d_qpa=wayland
source "$here/gnome.sh"

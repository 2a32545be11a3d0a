#pragma once

// In a Wayland session the program runs as a Wayland client unless the user
// chose a platform (QT_QPA_PLATFORM): through XWayland nothing can hold the
// compositor's shortcuts back. Without Qt's Wayland plug-in it falls back to
// X11. Called before the application object exists.
void PreferNativeWayland();

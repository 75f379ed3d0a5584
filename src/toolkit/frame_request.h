#pragma once
#include <QMargins>
#include <optional>

class QWindow;

// The frame an X11 window manager will give a window that is not on screen
// yet, asked of the manager itself (_NET_REQUEST_FRAME_EXTENTS), so that a
// window can appear in its place at once rather than move once its frame
// shows. Nothing where the platform is not X11 or the manager does not tell.
std::optional<QMargins> frameToCome(QWindow *window);

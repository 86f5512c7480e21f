#pragma once

// Whether Qt Multimedia can make a media player in this process. Qt reads
// QT_MEDIA_BACKEND once per process: a name that no multimedia plugin
// provides aborts the process at the first use of any multimedia class, and
// a back end that can decode nothing (GStreamer without its base plugins)
// crashes while constructing a player.

#include <QString>
#include <QStringList>

namespace Ostrel {

// A multimedia plugin in one of the library folders provides the back end
// named requested (any back end when it is empty). Reads plugin metadata
// only: no library is loaded and no multimedia class is touched.
bool media_backend_present(const QString& requested, const QStringList& library_dirs);

// The back end of QT_MEDIA_BACKEND (empty counting as unset) is present and
// decodes some file format and video codec; checked once per process. No
// player is made anywhere without it.
bool media_player_available();

}  // namespace Ostrel

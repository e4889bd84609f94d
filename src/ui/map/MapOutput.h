// The map on paper and in files: a printout under its title with the
// attribution below the picture, a PNG picture or an SVG drawing of what the
// view shows (the attribution is part of the picture).
#pragma once

#include <QString>

namespace kw {

class MapView;
class NetworkPicture;
class PrintSurface;

// The title, the part of the world `view` shows as large as the page takes
// it, and the attribution under it. Ends the document.
void PrintMap(PrintSurface& surface, const QString& title, const NetworkPicture& picture, const MapView& view);

// Writes what `view` shows to `path`: an SVG drawing when the name ends in
// .svg, otherwise a PNG picture. False when the file could not be written.
bool ExportMap(const QString& path, const QString& title, const NetworkPicture& picture, const MapView& view);

}  // namespace kw

// The text a PDF reader copies from the program's PDF files. A CJK face draws
// an ideograph and the radical that looks like it (高 and ⾼ U+2FBC, 车 and
// ⻋ U+2EE3) with one glyph, and Qt's PDF writer maps each glyph back to the
// lowest code point that uses it: the radical. Copying or searching the file
// then fails. The maps are mended after writing, radical by radical, to the
// ideograph that shares its glyph.
#pragma once

#include <QHash>
#include <QString>

class QRawFont;

namespace kw {

// Radical → ideograph for every radical (U+2E80..U+2FDF) that `font` draws
// with the glyph of an ideograph.
QHash<char16_t, char16_t> RadicalsSharingGlyphs(const QRawFont& font);

// Rewrites the ToUnicode maps of the PDF file at `path` so that no glyph reads
// back as a radical of `radicals`; every code keeps its length, so the file's
// layout stays as written. False when the file cannot be read or written.
bool MendPdfTextMaps(const QString& path, const QHash<char16_t, char16_t>& radicals);

}  // namespace kw

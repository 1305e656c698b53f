// Telling the picture formats LoadPicture reads apart by their first bytes.
#pragma once

#include <QByteArrayView>

namespace pelk::pictures {

enum class PictureFormat { Unknown, Bmp, Dib, Ico, Cur, Jpeg, Gif, Wmf, Emf };

// The format the contents start with, whatever the file's name says. A
// format outside the eight is Unknown, so a renamed file of another kind is
// never handed to a decoder it was not meant for.
PictureFormat sniffPictureFormat(QByteArrayView head);

// How many leading bytes sniffPictureFormat needs to decide.
constexpr qsizetype kSniffBytes = 48;

bool isMetafile(PictureFormat format);

// Whether a bitmap, icon, cursor or GIF file holds all the data its header
// promises: the decoders would otherwise show a cut-off file as a picture
// with a blank part. `head` is the file's start (the first 64 KiB will do),
// `tail` its last bytes.
bool looksComplete(PictureFormat format, QByteArrayView head, QByteArrayView tail, qint64 fileSize);
constexpr qsizetype kCompletenessHead = 64 * 1024;
constexpr qsizetype kCompletenessTail = 16;

// The name of the Qt image plugin for a raster format.
const char *qtFormatName(PictureFormat format);

} // namespace pelk::pictures

#pragma once

#include <QImage>
#include <QString>

// Decodes a JPEG picture (a file or a ":/" resource) with libjpeg. A null
// image when the data is not a JPEG picture.
QImage loadJpeg(const QString& path);
QImage decodeJpeg(const QByteArray& bytes);
// The picture with every pixel of its bottom-left pixel's colour (within a
// small tolerance, for JPEG's blur) made transparent.
QImage withTransparentBackground(const QImage& picture);

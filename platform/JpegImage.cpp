#include "platform/JpegImage.h"

#include "platform/Resources.h"

#include <QFile>

#include <csetjmp>
#include <cstdio>
#include <cstdlib>
#include <jpeglib.h>

namespace
{

struct ErrorManager {
    jpeg_error_mgr base;
    std::jmp_buf jump;
};

void onError(j_common_ptr info)
{
    std::longjmp(reinterpret_cast<ErrorManager*>(info->err)->jump, 1);
}

void onMessage(j_common_ptr) {}

// Pictures larger than this are refused rather than allocated.
constexpr unsigned long MaxPixels = 16UL * 1024 * 1024;

// Decodes to a malloc'ed RGB buffer. Between setjmp and the last libjpeg call
// this frame holds plain C data only, so the jump out of an error skips no
// destructor. Null on any failure.
unsigned char* decodeRgb(const unsigned char* data, unsigned long size, int* width, int* height)
{
    jpeg_decompress_struct info;
    ErrorManager errors;
    unsigned char* volatile pixels = nullptr;
    info.err = jpeg_std_error(&errors.base);
    errors.base.error_exit = onError;
    errors.base.output_message = onMessage;
    if (setjmp(errors.jump)) {
        jpeg_destroy_decompress(&info);
        std::free(pixels);
        return nullptr;
    }
    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, data, size);
    jpeg_read_header(&info, TRUE);
    info.out_color_space = JCS_RGB;
    jpeg_start_decompress(&info);
    const unsigned long w = info.output_width, h = info.output_height;
    if (w == 0 || h == 0 || w * h > MaxPixels || info.output_components != 3 ||
        !(pixels = static_cast<unsigned char*>(std::malloc(w * h * 3)))) {
        jpeg_destroy_decompress(&info);
        return nullptr;
    }
    while (info.output_scanline < info.output_height) {
        JSAMPROW row = pixels + static_cast<unsigned long>(info.output_scanline) * w * 3;
        jpeg_read_scanlines(&info, &row, 1);
    }
    jpeg_finish_decompress(&info);
    jpeg_destroy_decompress(&info);
    *width = static_cast<int>(w);
    *height = static_cast<int>(h);
    return pixels;
}

} // namespace

QImage decodeJpeg(const QByteArray& bytes)
{
    if (bytes.isEmpty())
        return QImage();
    int width = 0, height = 0;
    unsigned char* pixels = decodeRgb(reinterpret_cast<const unsigned char*>(bytes.constData()),
                                      static_cast<unsigned long>(bytes.size()), &width, &height);
    if (!pixels)
        return QImage();
    const QImage image = QImage(pixels, width, height, width * 3, QImage::Format_RGB888).copy();
    std::free(pixels);
    return image;
}

QImage loadJpeg(const QString& path)
{
    initPlatformResources();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QImage();
    return decodeJpeg(file.readAll());
}

QImage withTransparentBackground(const QImage& picture)
{
    if (picture.isNull())
        return picture;
    constexpr int tolerance = 24;
    const QRgb key = picture.pixel(0, picture.height() - 1);
    const auto isKey = [key](int red, int green, int blue) {
        return qAbs(red - qRed(key)) <= tolerance && qAbs(green - qGreen(key)) <= tolerance &&
               qAbs(blue - qBlue(key)) <= tolerance;
    };
    if (picture.format() == QImage::Format_RGB888) {
        // What the decoder gives, read straight: the main window's picture is
        // made during the start-up, and Qt's general conversion costs more
        // than the rest of this.
        QImage out(picture.size(), QImage::Format_ARGB32);
        for (int y = 0; y < out.height(); ++y) {
            const uchar* from = picture.constScanLine(y);
            auto* line = reinterpret_cast<QRgb*>(out.scanLine(y));
            for (int x = 0; x < out.width(); ++x, from += 3)
                line[x] = isKey(from[0], from[1], from[2]) ? qRgba(0, 0, 0, 0) : qRgb(from[0], from[1], from[2]);
        }
        return out;
    }
    QImage out = picture.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < out.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(out.scanLine(y));
        for (int x = 0; x < out.width(); ++x)
            if (isKey(qRed(line[x]), qGreen(line[x]), qBlue(line[x])))
                line[x] = qRgba(0, 0, 0, 0);
    }
    return out;
}

#include "setup/SetupPictures.h"

#include <cmath>

#include <QFileInfo>
#include <QImageReader>
#include <QPainter>

#include "ui/Pictures.h"
#include "ui/Text.h"

namespace tavorin::setupui {

QPixmap defaultTokenPixmap(int player, int sizePx) {
    return ui::picture(ui::PictureId::token(player), QSize(sizePx, sizePx));
}

PictureProblem openPictureFile(const std::string& path) {
    const QString file = ui::qs(path);
    if (!QFileInfo(file).isFile()) return PictureProblem::Missing;
    // Reading the whole picture, not only its header: a truncated file must not pass here and then
    // show as an empty token.
    QImageReader reader(file);
    return reader.read().isNull() ? PictureProblem::NotAPicture : PictureProblem::None;
}

QPixmap picturePreview(const QString& path, int sizePx, qreal devicePixelRatio) {
    QImageReader reader(path);
    const QImage image = reader.read();
    if (image.isNull()) return {};
    // Scaled for the screen's pixels, not the logical ones, so a 200 % screen shows it sharp.
    const qreal ratio = devicePixelRatio > 0 ? devicePixelRatio : 1.0;
    const int pixels = int(std::lround(sizePx * ratio));
    QPixmap pm =
        QPixmap::fromImage(image.scaled(pixels, pixels, Qt::KeepAspectRatio, Qt::SmoothTransformation));
    pm.setDevicePixelRatio(ratio);
    return pm;
}

} // namespace tavorin::setupui

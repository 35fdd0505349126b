#include "QtSound.h"

#include <QFile>
#include <QFileInfo>
#include <QSoundEffect>
#include <QUrl>

namespace varnolt {

void QtSound::PlayWave(const std::string& path) {
    // The stored path is the file system's bytes, whatever their encoding.
    const QString file = QFile::decodeName(QByteArray::fromStdString(path));
    if (!QFileInfo(file).isFile()) {
        return;
    }
    if (m_effect == nullptr) {
        m_effect = new QSoundEffect(this);
    }
    m_effect->setSource(QUrl::fromLocalFile(file));
    m_effect->play();
}

}  // namespace varnolt

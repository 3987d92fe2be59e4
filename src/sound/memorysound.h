#ifndef MEMORYSOUND_H
#define MEMORYSOUND_H

#include <QByteArray>
#include <QString>
#include <QUrl>

// One checked sound served to Qt from memory, as the resource file ":/olteria-sounds/<n>/sound.wav",
// so that Qt Multimedia reads it through its "qrc:" URL and nothing is written to disk. The
// resource lives as long as the object.
class MemorySound
{
public:
    explicit MemorySound(const QByteArray& wav);
    ~MemorySound();
    MemorySound(const MemorySound&) = delete;
    MemorySound& operator=(const MemorySound&) = delete;

    bool isValid() const { return registered; }
    // ":/olteria-sounds/<n>/sound.wav", for QFile.
    QString path() const;
    // "qrc:/olteria-sounds/<n>/sound.wav", for QSoundEffect.
    QUrl url() const;

private:
    // Qt's resource data format, version 2, with one file in its root: what rcc would write.
    static QByteArray resourceData(const QByteArray& wav);

    QByteArray data;
    QString root;
    bool registered = false;
};

#endif

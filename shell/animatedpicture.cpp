// SPDX-FileCopyrightText: 2026 The Elektronik developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "animatedpicture.h"

#include "form.h"

#include <QFile>
#include <QFileInfo>
#include <QMovie>

namespace {

// The animation's frames that suit a screen with the given device pixel
// ratio: "name@2x.gif" above 1 when the resources hold it. Qt reads the
// ratio 2 from the "@2x" in the name, so either set of frames takes the
// same room in the window.
QString framesFor(const QString &fileName, qreal ratio)
{
    const QString prefix = QStringLiteral(":/animations/");
    if (ratio > 1.0) {
        const QFileInfo file(fileName);
        const QString sharp = prefix + file.completeBaseName() + QStringLiteral("@2x.") + file.suffix();
        if (QFile::exists(sharp))
            return sharp;
    }
    return prefix + fileName;
}

} // namespace

AnimatedPicture::AnimatedPicture(const QString &objectName, QWidget *parent)
    : QLabel(parent)
{
    setObjectName(objectName);
    // The animation is made at the control's size. Scaled contents would
    // make QLabel scale the frames to that size in logical pixels and throw
    // the sharp ones' extra pixels away.
    setAlignment(Qt::AlignCenter);
}

void AnimatedPicture::setBackColour(quint32 colourNumber)
{
    common::setBackground(this, colourNumber);
}

bool AnimatedPicture::play(const QString &fileName, bool once)
{
    // The file is shipped inside the program, so its name is looked up in
    // the resources rather than in the working directory.
    auto *movie = new QMovie(framesFor(fileName, devicePixelRatioF()), QByteArray(), this);
    if (!movie->isValid()) {
        delete movie;
        return false;
    }
    if (once) {
        connect(movie, &QMovie::frameChanged, movie, [movie](int frame) {
            if (frame == movie->frameCount() - 1)
                movie->setPaused(true);
        });
    }
    delete m_movie;
    m_movie = movie;
    setMovie(m_movie);
    m_movie->start();
    return true;
}

// SPDX-FileCopyrightText: 2026 The Elektronik developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "animatedpicture.h"

#include "form.h"

#include <QMovie>

AnimatedPicture::AnimatedPicture(const QString &objectName, QWidget *parent)
    : QLabel(parent)
{
    setObjectName(objectName);
    setAlignment(Qt::AlignCenter);
    setScaledContents(true);
}

void AnimatedPicture::setBackColour(quint32 colourNumber)
{
    common::setBackground(this, colourNumber);
}

bool AnimatedPicture::play(const QString &fileName, bool once)
{
    // The file is shipped inside the program, so its name is looked up in
    // the resources rather than in the working directory.
    auto *movie = new QMovie(QStringLiteral(":/animations/") + fileName, QByteArray(), this);
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

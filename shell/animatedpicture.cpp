// SPDX-FileCopyrightText: 2026 The Elektronik developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "animatedpicture.h"

#include "form.h"

#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QMovie>
#include <QScreen>
#include <QWindow>

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
    return load(fileName, once, devicePixelRatioF());
}

bool AnimatedPicture::load(const QString &fileName, bool once, qreal ratio)
{
    // The file is shipped inside the program, so its name is looked up in
    // the resources rather than in the working directory.
    auto *movie = new QMovie(framesFor(fileName, ratio), QByteArray(), this);
    if (!movie->isValid()) {
        delete movie;
        return false;
    }
    connect(movie, &QMovie::frameChanged, this, [this, movie, once](int frame) {
        if (once && frame == movie->frameCount() - 1)
            movie->setPaused(true);
        showFrame(movie->currentImage());
    });
    delete m_movie;
    m_movie = movie;
    m_fileName = fileName;
    m_once = once;
    m_ratio = ratio;
    m_movie->start();
    return true;
}

void AnimatedPicture::showEvent(QShowEvent *event)
{
    QLabel::showEvent(event);
    // The window exists from the first showing on, and is made anew if the
    // control moves to another window.
    QWindow *window = this->window()->windowHandle();
    if (window && window != m_window) {
        m_window = window;
        connect(window, &QWindow::screenChanged, this, &AnimatedPicture::followScreen);
    }
    followScreen();
}

void AnimatedPicture::followScreen()
{
    const qreal ratio = devicePixelRatioF();
    if (!m_movie || qFuzzyCompare(ratio, m_ratio))
        return;
    if (framesFor(m_fileName, ratio) != m_movie->fileName()) {
        load(m_fileName, m_once, ratio);
        return;
    }
    // The same frames suit the new ratio: they play on, brought to it.
    m_ratio = ratio;
    showFrame(m_movie->currentImage());
}

void AnimatedPicture::showFrame(QImage frame)
{
    // At ratios the frames were not drawn for, they are brought to the
    // control's device pixels here, smoothly, rather than left to the
    // painter, which would keep the nearest pixels and drop the rest.
    const QSize pixels = (frame.deviceIndependentSize() * m_ratio).toSize();
    if (frame.size() != pixels)
        frame = frame.scaled(pixels, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    frame.setDevicePixelRatio(m_ratio);
    setPixmap(QPixmap::fromImage(std::move(frame)));
}

// SPDX-FileCopyrightText: 2026 The Elektronik developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QLabel>
#include <QPointer>

class QImage;
class QMovie;
class QWindow;

// Plays an animation from the program's resources on a background colour,
// looping while the window is open. Set up in two steps: the background
// colour, then the animation's file name. A missing animation leaves the
// control empty.
//
// The frames shown have as many pixels as the screen gives the control and
// are drawn one to one: on a screen with more device pixels than pixels the
// control plays the frames drawn at twice the resolution ("name@2x.gif"),
// where there are such, scaled smoothly to any ratio other than 2. The
// frames are chosen for the screen the window is on when it is shown, and
// again when it moves to another screen; the animation starts afresh only
// when other frames suit that screen.
class AnimatedPicture : public QLabel
{
    Q_OBJECT

public:
    AnimatedPicture(const QString &objectName, QWidget *parent);

    // The colour number (0x00BBGGRR) behind the animation.
    void setBackColour(quint32 colourNumber);
    // Starts the animation stored under `fileName`. With `once` it stops
    // after one pass instead of looping.
    bool play(const QString &fileName, bool once);

protected:
    void showEvent(QShowEvent *event) override;

private:
    bool load(const QString &fileName, bool once, qreal ratio);
    // Follows a change of the control's ratio: loads the frames that suit
    // it, or shows the same frames at it when they suit it, too.
    void followScreen();
    void showFrame(QImage frame);

    QMovie *m_movie = nullptr;
    QString m_fileName;
    bool m_once = false;
    // The device pixel ratio the frames are shown at.
    qreal m_ratio = 1.0;
    // The window whose screen changes are followed.
    QPointer<QWindow> m_window;
};

// SPDX-FileCopyrightText: 2026 The Elektronik developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QLabel>

class QMovie;

// Plays an animation from the program's resources on a background colour,
// looping while the window is open. Set up in two steps: the background
// colour, then the animation's file name. A missing animation leaves the
// control empty. On a screen with more device pixels than pixels it plays
// the frames drawn at twice the resolution ("name@2x.gif"), where there are
// such.
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

private:
    QMovie *m_movie = nullptr;
};

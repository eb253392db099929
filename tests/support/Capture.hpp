// Saves a picture of a window when TAVELUNE_CAPTURES names a folder, so that
// the windows can be looked at as a pupil sees them; does nothing otherwise.
#pragma once

#include <QApplication>
#include <QDir>
#include <QWidget>

inline void Capture(QWidget* w, const QString& nom) {
    const QByteArray dossier = qgetenv("TAVELUNE_CAPTURES");
    if (dossier.isEmpty()) return;
    QApplication::processEvents();  // pending layouts first
    w->grab().save(QDir(QString::fromLocal8Bit(dossier)).filePath(nom + ".png"));
}

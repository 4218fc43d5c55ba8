#pragma once

#include "frame/FrameSettings.h"

#include <QByteArray>
#include <QString>

namespace ortix {

// The free frame keeps its settings in a folder of this name, beside a
// read-me file that tells what the folder is for.
inline constexpr auto kCartellaImpostazioni = "ImpostazioniProgrammiQuirn";
inline constexpr auto kNomeFileIni = "ortix.INI";
inline constexpr auto kNomeFileLeggimi = "leggimi.txt";

// True when path names an ordinary file; a folder of that name is not one.
bool Se_esiste(const QString &path);

// Makes the settings folder (one that exists already will do) and writes
// the read-me file into it. False when either cannot be done.
bool makeSettingsFolder(const QString &folder, const QByteArray &leggimi);

// Writes the settings file all at once: after a failure (no rights, a full
// disk, a crash half-way) the previous file is still there, whole.
bool saveFrameSettings(const QString &path, const FrameSettings &settings);

} // namespace ortix

#pragma once

#include <QLocale>
#include <QtGlobal>

namespace ortix::ui {

// Reads whole numbers aloud through the desktop's speech engine. Nothing
// here ever makes the caller wait: a machine without an engine, without a
// voice for the language or without audio stays silent. The program uses
// Qt's text-to-speech engine; tests install a recorder.
class Speech
{
public:
    virtual ~Speech() = default;

    // Gets the engine ready in the background, so that the first number is
    // heard soon after it is asked for.
    virtual void start() = 0;

    // Reads the number in a voice of that language, cutting short the
    // number still being read; says nothing where no voice speaks the
    // language, rather than read it in another.
    virtual void sayNumber(qint64 number, QLocale::Language language) = 0;
};

} // namespace ortix::ui

// Test helpers: start-up editor states, generated well-formed states and
// images, and byte access to images.
#pragma once

#include "model/editorstate.h"

#include <QByteArray>
#include <QRandomGenerator>

// The editor state right after start-up, in the given language.
EditorState startUpState(qint16 language = 1);

// The bytes of the image encoded right after start-up.
QByteArray startUpImageBytes();

// A generated editor state whose every value could have been made by the
// editors or by decoding.
EditorState generatedState(QRandomGenerator &rng, qint16 language);

// The image bytes of a generated state (band position `band`, or a random
// one for -1) with tone words of every kind mixed in: what a radio may hold
// that the codec gives back byte for byte.
QByteArray generatedStableImage(QRandomGenerator &rng, int band = -1);

// Generated image bytes of the given length: well-formed channel records
// and settings in and out of range.
QByteArray generatedImage(QRandomGenerator &rng, int length);

// The editor state the program holds after reading a radio whose memory
// (from address 0) is `memory` and whose band is `band`.
EditorState stateAfterRead(const QByteArray &memory, int band, qint16 language);

// Reads a field of hex text / writes bytes into image bytes.
QByteArray fromHex(const char *hex);

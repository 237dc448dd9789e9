#pragma once
// Marks a text for the translators' tools without translating it here, so the
// Qt-free core can hold texts the window shows in the user's language. lupdate
// reads it as QT_TRANSLATE_NOOP (-tr-function-alias); the window translates the
// text with QCoreApplication::translate(context, text) when it shows it.
#define KV_TRANSLATE_NOOP(context, text) text

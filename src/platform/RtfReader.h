#pragma once

#include <QByteArrayView>

class QTextDocument;

// Reads rich text (RTF) into a QTextDocument: the help texts are kept as RTF,
// and Qt has no RTF import of its own.
//
// The reader knows the part of RTF that simple word-processor documents use:
// groups; the font table (a font with the symbol character set maps its
// bullets); \b, \i, \ul, \fs, \f, \plain; \par, \pard, \line, \tab; the
// paragraph properties \li, \ri, \fi, \sb, \sa, \sl with \slmult, \qc, \qr, \qj;
// bullets written as \pntext groups; \'hh escapes in the document's code page
// (\ansicpg, 1252 by default); \uN with \ucN fallback characters; the escaped
// characters \\ \{ \} \~ and named punctuation such as \bullet or \emdash.
// Every other control word is skipped, and so is every destination it does
// not know (tables of colours and styles, document information, pictures,
// "\*" groups).
class RtfReader {
public:
    // Replaces the content of `document` with the text of `rtf`. Returns true
    // when `rtf` is a whole RTF document: it opens with "{\rtf" and its groups
    // are balanced. Otherwise returns false; the text read up to the fault is
    // still in `document`, so nothing readable is lost.
    static bool Read(QByteArrayView rtf, QTextDocument& document);
};

// Decoding one fetched mail into its preview: a multipart/alternative mail with encoded header words and a
// quoted-printable text part, as an IMAP fetch of the header fields and 512 text bytes delivers it.

#include "datasources/maildecode.h"

#include <benchmark/benchmark.h>

namespace {

QStringList HeaderLines() {
    return {"Date: Tue, 01 Dec 2026 10:00:00 +0100",
            "From: =?UTF-8?Q?J=C3=BCrgen_M=C3=BCller?= <j@example.org>",
            "To: a@example.org, b@example.org",
            "Subject: =?UTF-8?B?R3LDvMOfZSBhdXMgS8O2bG4=?= =?ISO-8859-1?Q?und_=E4rger?=",
            "Message-ID: <m1@example.org>",
            "Content-Type: multipart/alternative; boundary=\"XX\"",
            ""};
}

QStringList BodyLines() {
    QStringList lines{"--XX", "Content-Type: text/plain; charset=utf-8", "Content-Transfer-Encoding: quoted-printable",
                      ""};
    for (int i = 0; i < 8; ++i)
        lines << "Sch=C3=B6ne Gr=C3=BC=C3=9Fe, eine Zeile mit etwas Text und einem weichen Um=";
    lines << "--XX"
          << "Content-Type: text/html"
          << ""
          << "<p>html</p>"
          << "--XX--";
    return lines;
}

void BM_DecodeMail(benchmark::State& state) {
    const QStringList header = HeaderLines();
    const QStringList body = BodyLines();
    for (auto _ : state)
        benchmark::DoNotOptimize(DecodeMail(header, body, 1, 1));
}
BENCHMARK(BM_DecodeMail);

void BM_DecodeEncodedWords(benchmark::State& state) {
    const QString line = HeaderLines().at(3);
    for (auto _ : state)
        benchmark::DoNotOptimize(DecodeEncodedWords(line));
}
BENCHMARK(BM_DecodeEncodedWords);

} // namespace

BENCHMARK_MAIN();

// Printing and image export, each as a ratio to a baseline of the same run:
// - a 4800 x 4800 fabric PNG made in memory (the cloth painted at one pixel per
//   thread, then written by libpng) against libpng encoding the same pixels
//   alone, from a ready 24-bit buffer with the same settings;
// - a 400 x 400-end draft printed to a PDF against one blank PDF page.
// The fabric is painted by a stand-in of the Fabric view's painter (the
// drawdown's colours, row by row), which is how the export calls it.
#include <benchmark/benchmark.h>

#include <QBuffer>
#include <QGuiApplication>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <png.h>

#include <memory>
#include <vector>

#include "model/drawdown.h"
#include "output/fabricpng.h"
#include "output/printdraft.h"
#include "ratio_reporter.h"

namespace {

std::unique_ptr<hm::Draft> ClothDraft(int ends, int picks) {
    auto d = std::make_unique<hm::Draft>();
    d->ClearDraft();
    d->Ends = ends;
    d->Picks = picks;
    d->PatternShafts = d->LiftplanWidth = 16;
    d->ShaftsA = 8;
    d->ShaftsB = 4;
    d->TreadlesA = 8;
    d->TreadlesB = 4;
    for (int e = 1; e <= ends; ++e) {
        d->PatternThreading[e] = static_cast<uint8_t>((e - 1) / 4 % 16 + 1);
        d->ThreadingA[e] = static_cast<uint8_t>((e - 1) % 8 + 1);
        d->ThreadingB[e] = static_cast<uint8_t>((e - 1) % 4 + 1);
        d->WarpColors[e] = static_cast<uint8_t>(e / 40 % 5 + 1);
    }
    for (int p = 1; p <= picks; ++p) {
        d->TreadlingA[p] = static_cast<uint8_t>((p - 1) % 8 + 1);
        d->TreadlingB[p] = static_cast<uint8_t>((p - 1) % 4 + 1);
        for (int c = 1; c <= 16; ++c) d->SetLiftplan(p, c, (p / 5 + c) % 3 == 0);
        d->WeftColors[p] = static_cast<uint8_t>(p / 30 % 4 + 7);
    }
    for (int s = 1; s <= 8; ++s)
        for (int t = 1; t <= 8; ++t) d->TieupAA(s, t) = (s + t) % 4 < 2 ? 1 : 0;
    for (int s = 1; s <= 4; ++s) d->TieupBB(s, s) = 1;
    d->Epi = d->Ppi = 25;
    return d;
}

// The drawdown's colours, one row per pick, ends from the right.
void StandInFabric(hm::Canvas& c, const hm::Draft& d, const hm::FabricSpan& s) {
    const hm::DrawdownRows rows(d);
    std::vector<uint8_t> up(static_cast<size_t>(s.Ends()));
    for (int row = 0; row < s.Rows(d.FabricCompression); ++row) {
        const int pick = s.firstPick + row;
        rows.WarpOnTopRow(pick, s.firstEnd, s.Ends(), up.data());
        QRgb* line = c.RowPointer(c.height() - 1 - row);
        const QRgb weft = hm::ToRgb(d.Palette[d.WeftColors[pick]]);
        for (int k = 0; k < s.Ends(); ++k)
            line[s.Ends() - 1 - k] = up[static_cast<size_t>(k)]
                                         ? hm::ToRgb(d.Palette[d.WarpColors[s.firstEnd + k]])
                                         : weft;
    }
}

void BM_FabricPng4800(benchmark::State& state) {
    auto d = ClothDraft(hm::MaxEnds, hm::MaxPicks);
    for (auto _ : state) {
        const hm::ExportResult r = hm::MakeFabricPng(*d, hm::MaxEnds, hm::MaxPicks, StandInFabric);
        benchmark::DoNotOptimize(r.bytes.constData());
    }
}
BENCHMARK(BM_FabricPng4800)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);

void AppendBytes(png_structp png, png_bytep data, png_size_t length) {
    static_cast<QByteArray*>(png_get_io_ptr(png))
        ->append(reinterpret_cast<const char*>(data), static_cast<qsizetype>(length));
}

// libpng alone: the same pixels as 24-bit rows, the same default settings.
void BM_LibpngEncode4800(benchmark::State& state) {
    auto d = ClothDraft(hm::MaxEnds, hm::MaxPicks);
    const QImage cloth = hm::FabricBitmap(*d, hm::MaxEnds, hm::MaxPicks, StandInFabric)
                             .convertToFormat(QImage::Format_RGB888);
    for (auto _ : state) {
        QByteArray out;
        png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
        png_infop info = png_create_info_struct(png);
        if (setjmp(png_jmpbuf(png))) {
            state.SkipWithError("libpng failed");
            break;
        }
        png_set_write_fn(png, &out, AppendBytes, nullptr);
        png_set_IHDR(png, info, static_cast<png_uint_32>(cloth.width()),
                     static_cast<png_uint_32>(cloth.height()), 8, PNG_COLOR_TYPE_RGB,
                     PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
        png_write_info(png, info);
        for (int y = 0; y < cloth.height(); ++y)
            png_write_row(png, const_cast<png_bytep>(cloth.constScanLine(y)));
        png_write_end(png, info);
        png_destroy_write_struct(&png, &info);
        benchmark::DoNotOptimize(out.constData());
    }
}
BENCHMARK(BM_LibpngEncode4800)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);

struct Pdf {
    QByteArray bytes;
    QBuffer buffer{&bytes};
    QPdfWriter writer{&buffer};
    Pdf() {
        buffer.open(QIODevice::WriteOnly);
        writer.setResolution(600);
        writer.setPageLayout(
            QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(0, 0, 0, 0)));
    }
};

void BM_PrintDraft400(benchmark::State& state) {
    auto d = ClothDraft(1200, 1200);
    d->DrawdownStyle = static_cast<hm::DrawdownStyleKind>(state.range(0));
    hm::PrintDraftChoice c;
    c.range = {1, 400, 1, 400};
    for (auto _ : state) {
        Pdf pdf;
        const hm::PrintOutcome out = hm::PrintDraft(pdf.writer, {}, *d, c);
        if (!out.printed) state.SkipWithError("not printed");
        state.counters["kB"] = static_cast<double>(pdf.bytes.size()) / 1024.0;
    }
}
BENCHMARK(BM_PrintDraft400)->Arg(1)->Arg(3)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_BlankPdfPage(benchmark::State& state) {
    for (auto _ : state) {
        Pdf pdf;
        QPainter painter(&pdf.writer);
        painter.end();
        benchmark::DoNotOptimize(pdf.bytes.constData());
    }
}
BENCHMARK(BM_BlankPdfPage)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    reporter.PrintRatios(
        {{"BM_FabricPng4800/iterations:3/real_time", "BM_LibpngEncode4800/iterations:3/real_time"},
         {"BM_PrintDraft400/1/real_time", "BM_BlankPdfPage/real_time"},
         {"BM_PrintDraft400/3/real_time", "BM_BlankPdfPage/real_time"}});
    benchmark::Shutdown();
    return 0;
}

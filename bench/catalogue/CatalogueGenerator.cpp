#include "CatalogueGenerator.h"

#include <stdio.h>

#include <random>
#include <string>
#include <vector>

namespace
{
// Title words in several scripts, so that every conversion path is exercised.
const char* const kWords[] = {
    "River",    "Lantern", "Winter", "Garden", "Café",   "Crème", "Ångström", "Łódź",
    "Οδύσσεια", "θάλασσα", "Φως",    "夜明け", "図書館", "星",    "猫",       "Library",
    "Notes",    "of",      "the",    "Quiet",  "Ünter",  "Mühle", "📚",        "Ελιά",
};
const char* const kAuthors[] = {"Marguerite Olsen", "Νικόλαος Παπαδάκης", "佐藤 美咲",
                                "Zofia Wiśniewska", "Jörg Mühlenbeck",    "Iris Kettleby"};

std::string Escape(const std::string& text)
{
    std::string out;
    for (char ch : text)
    {
        switch (ch)
        {
        case '&':
            out += "&amp;";
            break;
        case '<':
            out += "&lt;";
            break;
        case '"':
            out += "&quot;";
            break;
        default:
            out += ch;
        }
    }
    return out;
}
} // namespace

bool WriteGeneratedCatalogue(const char* path, const CatalogueShape& shape)
{
    FILE* file = fopen(path, "wb");
    if (!file)
        return false;
    std::mt19937 random(shape.seed);
    auto pick = [&](int n) { return static_cast<int>(random() % static_cast<unsigned>(n)); };
    const int wordCount = sizeof kWords / sizeof *kWords;

    fputs("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
          "<cache xmlns=\"urn:x-lumen-reader:cache:2\" xmlns:xs1=\"urn:x-lumen-reader:cache:2\">\n"
          "  <!-- generated catalogue for benchmarks -->\n  <xs1:records>\n",
          file);
    for (int book = 1; book <= shape.books; ++book)
    {
        std::string title;
        for (int w = 0, n = 2 + pick(4); w < n; ++w)
            title += std::string(w ? " " : "") + kWords[pick(wordCount)];
        fprintf(file,
                "    <xs1:text id=\"%d\" title=\"%s %d\" author=\"%s\" date=\"Tue, %02d Mar 2009 "
                "10:12:40 GMT\" path=\"database/media/books/b%06d.epub\" size=\"%d\" "
                "mime=\"application/epub+zip\" sourceid=\"1\" page=\"%d\"/>\n",
                book, Escape(title).c_str(), book, kAuthors[pick(6)], 1 + pick(28), book,
                100000 + pick(900000), pick(400));
    }
    // The first collection holds a tenth of the items; the rest share the remainder.
    std::vector<int> sizes(static_cast<size_t>(shape.collections), 0);
    if (shape.collections > 0)
    {
        sizes[0] = shape.items / 10;
        for (int i = sizes[0]; i < shape.items; ++i)
            ++sizes[static_cast<size_t>(shape.collections > 1 ? 1 + pick(shape.collections - 1)
                                                              : 0)];
    }
    for (int c = 0; c < shape.collections; ++c)
    {
        fprintf(
            file,
            "    <xs1:playlist title=\"%s %d\" id=\"%d\" uuid=\"%08X-0000-11DE-8C30-0800200C9A66\" "
            "sourceid=\"1\">\n",
            kWords[pick(wordCount)], c, shape.books + 1 + c, c);
        for (int i = 0; i < sizes[static_cast<size_t>(c)]; ++i)
            fprintf(file, "      <xs1:item id=\"%d\"/>\n",
                    1 + pick(shape.books + shape.books / 50));
        fputs("    </xs1:playlist>\n", file);
    }
    fputs("  </xs1:records>\n</cache>\n", file);
    const bool ok = !ferror(file);
    return fclose(file) == 0 && ok;
}

#include "plugin/export/wybrane_dokumenty.hpp"

#include <cstdlib>

namespace kz {
namespace {

template <typename T>
int porownaj(T a, T b) {
    return a < b ? -1 : a > b ? 1 : 0;
}

int porownajDokumenty(const void* pa, const void* pb) {
    const PozycjaListy& a = *static_cast<const PozycjaListy*>(pa);
    const PozycjaListy& b = *static_cast<const PozycjaListy*>(pb);
    if (const int typy = porownaj<std::int16_t>(a.typDokumentu, b.typDokumentu)) return typy;
    if (const int id = porownaj<std::int32_t>(a.idDokumentu, b.idDokumentu)) return id;
    return porownaj<std::int32_t>(a.drugiIdDokumentu, b.drugiIdDokumentu);
}

}  // namespace

void uporzadkujDoWyszukiwania(PozycjaListy* lista, std::int32_t liczba) {
    if (liczba > 1) std::qsort(lista, static_cast<std::size_t>(liczba), sizeof(PozycjaListy), porownajDokumenty);
}

const PozycjaListy* znajdzWybrany(const PozycjaListy* lista, std::int32_t liczba, std::int16_t typ,
                                  const void* naglowek) {
    if (liczba <= 0) return nullptr;
    PozycjaListy szukana{};
    szukana.typDokumentu = typ;
    szukana.idDokumentu = czytajPole<std::int32_t>(naglowek, tzak::kIdDokumentu);
    szukana.drugiIdDokumentu = czytajPole<std::int32_t>(naglowek, tzak::kDrugiIdDokumentu);
    return static_cast<const PozycjaListy*>(
        std::bsearch(&szukana, lista, static_cast<std::size_t>(liczba), sizeof(PozycjaListy), porownajDokumenty));
}

}  // namespace kz

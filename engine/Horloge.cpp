#include "Horloge.h"

#include <chrono>

namespace lunespiral {

namespace {

std::function<HeureUtc()>& sourceRemplacee() {
    static std::function<HeureUtc()> source;
    return source;
}

HeureUtc horlogeSysteme() {
    using namespace std::chrono;
    // system_clock counts UTC without leap seconds, so the time of day is the remainder of a day.
    const auto ms = duration_cast<milliseconds>(system_clock::now().time_since_epoch()).count();
    const auto duJour = static_cast<int>(((ms % 86'400'000) + 86'400'000) % 86'400'000);
    return {duJour / 3'600'000, duJour / 60'000 % 60, duJour / 1000 % 60, duJour % 1000};
}

} // namespace

HeureUtc Horloge::maintenant() {
    const auto& source = sourceRemplacee();
    return source ? source() : horlogeSysteme();
}

void Horloge::remplacer(std::function<HeureUtc()> source) {
    sourceRemplacee() = std::move(source);
}

} // namespace lunespiral

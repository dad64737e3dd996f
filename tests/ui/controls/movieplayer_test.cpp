// The movie player plays the sound carried in the resource table, over and over when looping,
// until its window closes; missing and damaged movies are passed over. Sound objects play in
// place until the shutdown's step for sounds.
#include "image/resourcetable.h"
#include "project/projectobjects.h"
#include "runtime/strings/identifier.h"
#include "tests/ui/controls/controltesting.h"
#include "ui/controls/movieplayer.h"
#include "ui/media/soundobjects.h"
#include "ui/windows/fieldaccessors.h"
#include "ui/windows/windowvisibility.h"

#include <cmath>
#include <fstream>

namespace {

void appendU32(std::string& bytes, uint32_t value, bool bigEndian)
{
    for (int i = 0; i < 4; ++i)
        bytes += static_cast<char>(bigEndian ? value >> (24 - 8 * i) : value >> (8 * i));
}

void appendU16(std::string& bytes, uint16_t value)
{
    bytes += static_cast<char>(value);
    bytes += static_cast<char>(value >> 8);
}

// 8-bit mono PCM at 8,000 samples a second: a tone of `milliseconds`.
std::string toneWave(int milliseconds)
{
    std::string samples;
    for (int i = 0; i < 8 * milliseconds; ++i)
        samples += static_cast<char>(128 + 60 * std::sin(i * 0.35));
    std::string wave = "RIFF";
    appendU32(wave, 36 + static_cast<uint32_t>(samples.size()), false);
    wave += "WAVEfmt ";
    appendU32(wave, 16, false);
    appendU16(wave, 1);
    appendU16(wave, 1);
    appendU32(wave, 8000, false);
    appendU32(wave, 8000, false);
    appendU16(wave, 1);
    appendU16(wave, 8);
    wave += "data";
    appendU32(wave, static_cast<uint32_t>(samples.size()), false);
    return wave + samples;
}

// A resource table of movies, as the bare host reads it from "data3.dat": the count, each
// item's entry, each item's data (the movie's file offset), then the movies.
std::string resourceTable(const std::vector<std::string>& movies)
{
    const uint32_t count = static_cast<uint32_t>(movies.size());
    std::string table;
    appendU32(table, count, true);
    for (uint32_t i = 0; i < count; ++i)
        appendU32(table, 4 * i, true);
    uint32_t at = 4 + 8 * count;
    for (const std::string& movie : movies) {
        appendU32(table, at, true);
        at += static_cast<uint32_t>(movie.size());
    }
    for (const std::string& movie : movies)
        table += movie;
    return table;
}

class MoviePlayers : public ControlTest {
protected:
    static void SetUpTestSuite()
    {
        char folder[MAX_PATH];
        GetTempPathA(sizeof folder, folder);
        std::string path = std::string(folder) + "tegata-movies";
        CreateDirectoryA(path.c_str(), nullptr);
        std::string damaged = toneWave(50).substr(0, 30);
        std::ofstream(path + "\\data3.dat", std::ios::binary) << resourceTable({toneWave(50), damaged});
        GetCurrentDirectoryA(sizeof startingFolder, startingFolder);
        SetCurrentDirectoryA(path.c_str());
        resourceSetTableOffset(0);
    }

    // The other tests run where they started, and the table file is let go.
    static void TearDownTestSuite()
    {
        resourceSetTableOffset(0);
        SetCurrentDirectoryA(startingFolder);
    }

    static inline char startingFolder[MAX_PATH] = {};

    void SetUp() override
    {
        ControlTest::SetUp();
        static int32_t playerClass = testClass(BuiltinClassId::MoviePlayer, controlRecorders());
        ASSERT_NE(open({{playerClass, controlProperties("Tune", 10, 10, 64, 61)}}), nullptr);
    }

    ObjectHeader* playerWithMovie(int32_t resourceNumber)
    {
        ObjectRef movie(movieFromResource(resourceNumber));
        objSetter(control("Tune"), offsetOfMovie(), movie.get());
        return control("Tune");
    }

    // The Movie property's field, found through its declared getter's parameter.
    static int32_t offsetOfMovie()
    {
        ClassDescriptor* cls = builtinClass(BuiltinClassId::MoviePlayer);
        for (PropertyDeclaration* property = cls->properties; property; property = property->next) {
            if (identifierEquals(property->name, "Movie"))
                return property->parameter;
        }
        return 0;
    }
};

TEST_F(MoviePlayers, ALoopingMoviePlaysOverAndOverUntilItsWindowCloses)
{
    ObjectHeader* player = playerWithMovie(1);
    RuntimeMediaPlay(player);
    mediaControllerLoopingSetter(player, 0, 1);
    EXPECT_TRUE(pumpUntil([player] { return moviePlayerPassesPlayed(player) >= 4; }, 5000))
        << "passes played: " << moviePlayerPassesPlayed(player);
    EXPECT_TRUE(moviePlayerIsPlaying(player));
    windowsCloseAll();
    pumpFor(200); // reports of the closed device arrive and are passed over
}

TEST_F(MoviePlayers, WithoutLoopingTheMoviePlaysOnceAndStops)
{
    ObjectHeader* player = playerWithMovie(1);
    RuntimeMediaPlay(player);
    EXPECT_TRUE(moviePlayerIsPlaying(player));
    EXPECT_TRUE(pumpUntil([player] { return !moviePlayerIsPlaying(player); }, 3000));
    EXPECT_EQ(moviePlayerPassesPlayed(player), 1u);
}

TEST_F(MoviePlayers, MissingAndDamagedMoviesAreNotPlayed)
{
    for (int32_t resourceNumber : {0, 2, 3, -1}) {
        ObjectHeader* player = playerWithMovie(resourceNumber);
        RuntimeMediaPlay(player);
        EXPECT_FALSE(moviePlayerIsPlaying(player)) << "movie " << resourceNumber;
    }
    objSetter(control("Tune"), offsetOfMovie(), nullptr);
    RuntimeMediaPlay(control("Tune"));
    RuntimeMediaPlay(nullptr);
    RuntimeMediaPlay(window);
    EXPECT_FALSE(moviePlayerIsPlaying(control("Tune")));
}

// A damaged sound is passed over, a whole one plays, and once the shutdown's step has let the
// device go the next play opens it again.
TEST_F(MoviePlayers, ASoundObjectPlaysInPlaceAndTheShutdownLetsTheDeviceGo)
{
    const std::string tone = toneWave(2000), damaged = tone.substr(0, 30);
    ObjectRef sound(objectInstantiate(builtinClass(BuiltinClassId::Sound)));
    auto* fields = reinterpret_cast<SoundObject*>(sound.get());
    for (const std::string* wave : {&damaged, &tone, &tone}) {
        fields->data = reinterpret_cast<const uint8_t*>(wave->data());
        fields->dataSize = uint32_t(wave->size());
        RuntimeMediaPlay(sound.get());
        EXPECT_EQ(fields->playing, wave == &tone) << wave->size() << " bytes";
        soundObjectsRelease();
    }
}

} // namespace

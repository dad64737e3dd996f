// Plays a wave sound through the system's wave output device, once or over and over, while
// the event loop runs.
#include "ui/media/soundplayer.h"

namespace {

const char listenerClassName[] = "VXSoundPlayer";

LRESULT CALLBACK listenerProcedure(HWND handle, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == MM_WOM_DONE) {
        if (auto* player = reinterpret_cast<SoundPlayer*>(GetWindowLongPtrA(handle, GWLP_USERDATA)))
            player->passEnded(reinterpret_cast<HWAVEOUT>(wParam), reinterpret_cast<WAVEHDR*>(lParam));
        return 0;
    }
    return DefWindowProcA(handle, message, wParam, lParam);
}

// The device reports to a message-only window, so the ends of passes arrive through the loop.
HWND makeListener(SoundPlayer* player)
{
    static const bool registered = [] {
        WNDCLASSA windowClass = {};
        windowClass.lpfnWndProc = listenerProcedure;
        windowClass.hInstance = GetModuleHandleA(nullptr);
        windowClass.lpszClassName = listenerClassName;
        return RegisterClassA(&windowClass) != 0;
    }();
    if (!registered)
        return nullptr;
    HWND handle = CreateWindowExA(0, listenerClassName, "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                  GetModuleHandleA(nullptr), nullptr);
    if (handle)
        SetWindowLongPtrA(handle, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(player));
    return handle;
}

} // namespace

SoundPlayer::~SoundPlayer()
{
    stop();
    if (listener)
        DestroyWindow(listener);
}

bool SoundPlayer::play(std::vector<uint8_t> fileImage, bool looping, std::string& error)
{
    stop();
    sound = std::move(fileImage);
    wave = {};
    if (!waveDataRead(sound.data(), static_cast<uint32_t>(sound.size()), wave, error))
        return false;
    repeat = looping;
    passes = 0;
    if (!open(error))
        return false;
    queue(headers[0]);
    if (repeat)
        queue(headers[1]);
    return true;
}

bool SoundPlayer::open(std::string& error)
{
    if (!listener && !(listener = makeListener(this))) {
        error = "the sound player could not be made";
        return false;
    }
    WAVEFORMATEX format = {};
    format.wFormatTag = WAVE_FORMAT_PCM;
    format.nChannels = wave.channels;
    format.nSamplesPerSec = wave.samplesPerSecond;
    format.nAvgBytesPerSec = wave.samplesPerSecond * wave.blockAlign;
    format.nBlockAlign = wave.blockAlign;
    format.wBitsPerSample = wave.bitsPerSample;
    MMRESULT result =
        waveOutOpen(&device, WAVE_MAPPER, &format, reinterpret_cast<DWORD_PTR>(listener), 0, CALLBACK_WINDOW);
    if (result == MMSYSERR_NOERROR)
        return true;
    device = nullptr;
    error = "no sound device plays the sound (" + std::to_string(result) + ")";
    return false;
}

void SoundPlayer::queue(WAVEHDR& header)
{
    header = {};
    header.lpData = reinterpret_cast<LPSTR>(const_cast<uint8_t*>(wave.samples));
    header.dwBufferLength = wave.sampleBytes;
    if (waveOutPrepareHeader(device, &header, sizeof header) != MMSYSERR_NOERROR)
        return;
    if (waveOutWrite(device, &header, sizeof header) == MMSYSERR_NOERROR)
        ++queued;
    else
        waveOutUnprepareHeader(device, &header, sizeof header);
}

void SoundPlayer::passEnded(HWAVEOUT from, WAVEHDR* header)
{
    if (!device || from != device || (header != &headers[0] && header != &headers[1]))
        return; // a report of a device this player has already closed
    ++passes;
    --queued;
    waveOutUnprepareHeader(device, header, sizeof *header);
    if (repeat)
        queue(*header);
    else if (queued == 0)
        stop();
}

void SoundPlayer::stop()
{
    if (!device)
        return;
    HWAVEOUT closing = device;
    device = nullptr;
    waveOutReset(closing);
    for (WAVEHDR& header : headers) {
        if (header.dwFlags & WHDR_PREPARED)
            waveOutUnprepareHeader(closing, &header, sizeof header);
    }
    waveOutClose(closing);
    queued = 0;
}

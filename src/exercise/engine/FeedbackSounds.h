#pragma once

namespace ortix {

// The right-answer sound: one of suoni/si1.wav to si4.wav, picked at
// random, played asynchronously. With the sounds off nothing plays and no
// random number is drawn.
void SuonoEsatto();

// The wrong-answer sound suoni/no.wav, when the sounds are on.
void SuonoErrato();

} // namespace ortix

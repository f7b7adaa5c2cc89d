#pragma once
// Ends the sleep of every running ProfileThread at once. Call it after ProfileThread::RequestStop, so that the
// program's exit does not wait for the sampler's current sleep (up to 250 ms) to run out. (Kept apart from
// profiler.h, which nearly every file of the program includes.)
void ProfileWakeSamplers();

// The wheel at the top left of the table: it turns while a spin is asked,
// turns on until the drawn number's pocket is at the mark, and then the
// ball runs 114 steps on the wheel and in the close-up view of the
// information area, coming to rest in that pocket. One call per frame; the
// wheel's place carries over from one spin to the next.
#pragma once

namespace wl {

// Every second call: the current frame drawn, the wheel one pocket on.
void WheelIdleStep();
// 1 as soon as the pocket at the mark holds number; else as WheelIdleStep, 0.
int WheelSpinStep(int number);
// One frame of the ball's run; 1 once it has come to rest.
int BallRunStep();
// The frame index 0..37 (the pocket kWheelOrder[index] is at the mark).
int WheelIndex();
// Start of a run: frame 0, no ball running.
void ResetWheel();

}  // namespace wl

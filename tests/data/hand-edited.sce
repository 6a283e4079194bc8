Patrol without label
Summary: Summary: twice Summary: 
Description: Description:Description: 
Objective: Name: stays
Code: something else
anything at all
Klingon  BC Korg 1500 -200 270 3 <internal> ()
short line

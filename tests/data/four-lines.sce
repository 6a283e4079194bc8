Name: Four
Summary: Only four lines
Description: here
Objective: and no more

Name: A_Title_Of_Forty_Characters_From_A_File!
Summary: Read whole.
Description: 
Objective: 
Code: <internal>
Forces: 
Romulan WE Tal 0 0 0 0 <player> ()

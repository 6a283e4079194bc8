Name: Empty
Summary: 
Description: 
Objective: 
Code: <internal>
Forces: 

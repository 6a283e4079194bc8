Name: 
Summary: 
Description: 
Objective: 
Code: <internal>
Forces: 
